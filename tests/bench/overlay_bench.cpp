// The cost of one owner-drawn glyph paint, and of a timer tick over 10, 100 and 500 overlay
// bindings where nothing changed, each against its floor. Rounds alternate floor and figure.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench.h"
#include "engine/auto_refresh.h"
#include "engine/classify.h"
#include "engine/glyph_button.h"
#include "engine/host_window.h"
#include "overlay/bindings.h"
#include "overlay/overlay_binding.h"
#include "paint/theme_brushes.h"
#include "platform/subclass.h"
#include "platform/system_functions.h"
#include "platform/window_relations.h"
#include "plugin/lifecycle.h"
#include "theme/theme_state.h"

namespace {

using namespace hueloom;

constexpr int kPaints = 200;
constexpr int kBindingCounts[] = {10, 100, 500};
constexpr int kTicks = 5;
constexpr wchar_t kHostClass[] = L"BenchOverlayHost";
constexpr const wchar_t* kObjectClasses[] = {L"neobookcheckbox", L"neobookradiobtn", L"neobooktrackbar"};

void registerClasses() {
    static bool done = false;
    if (done) return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    for (const wchar_t* name : {kHostClass, kObjectClasses[0], kObjectClasses[1], kObjectClasses[2]}) {
        wc.lpszClassName = name;
        RegisterClassW(&wc);
    }
    done = true;
}

struct ThemedHost {
    HWND window = nullptr;
    ThemedHost() {
        registerClasses();
        window = CreateWindowExW(0, kHostClass, L"Overlay benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                 0, 0, 800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        pluginStartup();
        setHostWindow(window);
        loadSystemFunctions();
        applyModePalette(currentTheme(), Mode::Dark);
        if (!rebuildThemeBrushes(currentTheme())) std::fputs("bench: the theme's brushes could not be made\n", stderr);
    }
    ~ThemedHost() {
        stopTimer();
        SendMessageW(window, WM_SETREDRAW, FALSE, 0);
        DestroyWindow(window);
        bench::drainMessages();
        deleteThemeBrushes();
    }
    ThemedHost(const ThemedHost&) = delete;
    ThemedHost& operator=(const ThemedHost&) = delete;

    void stopTimer() const {
        KillTimer(window, kAutoRefreshTimerId);
        hueloom::autoRefreshState().running = false;
    }
};

LRESULT CALLBACK passThroughSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    return DefSubclassProc(window, message, wParam, lParam);
}

template <class Work>
double perCallUs(int count, Work&& work) {
    const double start = bench::nowUs();
    for (int i = 0; i < count; ++i) work();
    return (bench::nowUs() - start) / count;
}

HDC memoryCanvas(int width, int height, HBITMAP& bitmap) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, bitmap);
    return dc;
}

void measureGlyphPaint(const bench::Options& options) {
    ThemedHost host;
    HWND box = CreateWindowExW(0, WC_BUTTONW, L"Check me", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 140, 24,
                               host.window, nullptr, GetModuleHandleW(nullptr), nullptr);
    installGlyphSubclass(box);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    // Floor: one message through the same comctl32 subclass machinery, passed straight on.
    HWND twin = CreateWindowExW(0, WC_BUTTONW, L"", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 10, 10, host.window, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(twin, passThroughSubclass, 1, 0);
    HBITMAP bitmap = nullptr;
    HDC dc = memoryCanvas(140, 24, bitmap);
    const auto printDc = reinterpret_cast<WPARAM>(dc);
    paintGlyphButton(box, dc);  // fonts and caches warm

    std::vector<double> floor, printed, painted, ratios;
    uint64_t allocations = 0;
    for (int round = 0; round < options.rounds; ++round) {
        const double message = perCallUs(kPaints, [&] { SendMessageW(twin, WM_NULL, 0, 0); });
        const uint64_t before = bench::allocationCount();
        const double viaMessage = perCallUs(kPaints, [&] { SendMessageW(box, WM_PRINTCLIENT, printDc, PRF_CLIENT); });
        const double direct = perCallUs(kPaints, [&] { paintGlyphButton(box, dc); });
        allocations += bench::allocationCount() - before;
        floor.push_back(message);
        printed.push_back(viaMessage);
        painted.push_back(direct);
        ratios.push_back(direct / message);
    }
    std::printf("  glyph paint: %.1f us through WM_PRINTCLIENT, %.1f us in paintGlyphButton itself "
                "(= %.1f subclassed messages of %.1f us: it asks the button for its check state, font and "
                "caption), %llu allocations in %d paints\n",
                bench::median(printed), bench::median(painted), bench::median(ratios), bench::median(floor),
                static_cast<unsigned long long>(allocations), 2 * kPaints * options.rounds);

    DeleteDC(dc);
    DeleteObject(bitmap);
}

std::string decimal(HWND window) { return std::to_string(reinterpret_cast<intptr_t>(window)); }

void bindObjects(HWND parent, int count) {
    for (int i = 0; i < count; ++i) {
        const int kind = i % 3;
        HWND object = CreateWindowExW(0, kObjectClasses[kind], L"", WS_CHILD | WS_VISIBLE, 10 + (i % 10) * 75,
                                      10 + (i / 10 % 11) * 50, 70, kind == 2 ? 30 : 20, parent, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        const std::string handle = decimal(object);
        BindTexts texts;
        texts.handle.assign(handle.begin(), handle.end());
        texts.variable = L"Value" + std::to_wstring(i);
        texts.value = kind == 2 ? L"40" : L"True";
        texts.caption = kind == 1 ? L"True" : L"";
        (void)bindOverlay(static_cast<OverlayKind>(kind + 1), texts);  // the overlays are counted in the report
    }
}

// The floor: a bare walk of the same windows, every child of each parent of an overlay.
double bareWalkUs() {
    const double start = bench::nowUs();
    std::vector<HWND> parents;
    hueloom::overlayState().bindings.forEach([&](HWND, const OverlayBinding& binding) {
        const HWND parent = GetParent(binding.overlayWindow);
        if (std::find(parents.begin(), parents.end(), parent) == parents.end()) parents.push_back(parent);
    });
    int walked = 0;
    for (HWND parent : parents)
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++walked;
    const double us = bench::nowUs() - start;
    (void)walked;
    return us;
}

// The upkeep as it was: each binding walked its overlay's siblings up to its object.
double walkPerBindingUs() {
    const double start = bench::nowUs();
    int covered = 0;
    hueloom::overlayState().bindings.forEach([&](HWND object, const OverlayBinding& binding) {
        if (!IsWindow(binding.overlayWindow) || !IsWindow(object)) return;
        if (hasVisibleStyle(object) != hasVisibleStyle(binding.overlayWindow)) return;
        covered += isWindowAbove(binding.overlayWindow, object) ? 1 : 0;
    });
    const double us = bench::nowUs() - start;
    (void)covered;
    return us;
}

int overlaysAwaitingPaint() {
    int pending = 0;
    hueloom::overlayState().bindings.forEach([&](HWND, const OverlayBinding& binding) {
        pending += GetUpdateRect(binding.overlayWindow, nullptr, FALSE) ? 1 : 0;
    });
    return pending;
}

int childCount(HWND parent) {
    int count = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

// Above this many bindings the old upkeep (quadratic) is timed once, not every round.
constexpr int kMaxBindingsForOldEveryRound = 100;

void measureQuietTick(int bindings, const bench::Options& options) {
    ThemedHost host;
    bindObjects(host.window, bindings);
    // The tick runs as the timer would call it, without a timer that could land in between.
    KillTimer(host.window, kAutoRefreshTimerId);
    hueloom::autoRefreshState().running = true;
    RedrawWindow(host.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    bench::drainMessages();

    std::vector<double> floors, syncs, ticks, ratios, old;
    for (int round = 0; round < options.rounds; ++round) {
        double floor = 0, sync = 0, tick = 0;
        for (int i = 0; i < kTicks; ++i) {
            floor += bareWalkUs();
            sync += perCallUs(1, [] { syncAllOverlays(); });
            tick += perCallUs(1, [&] { autoRefreshTick(host.window, WM_TIMER, kAutoRefreshTimerId, 0); });
        }
        floors.push_back(floor / kTicks);
        syncs.push_back(sync / kTicks);
        ticks.push_back(tick / kTicks);
        ratios.push_back(sync / floor);
        if (bindings <= kMaxBindingsForOldEveryRound || round == 0) old.push_back(walkPerBindingUs());
    }
    std::printf("  %d bindings, %d windows walked, nothing changed: bare walk %.2f ms, syncAllOverlays %.2f ms "
                "(ratio %.2fx), whole timer tick %.2f ms; one walk per binding as before: %.2f ms "
                "(%s); overlays repainted: %d of %zu\n",
                bindings, childCount(host.window), bench::median(floors) / 1000, bench::median(syncs) / 1000,
                bench::median(ratios), bench::median(ticks) / 1000, bench::median(old) / 1000,
                old.size() == 1 ? "one round" : "median", overlaysAwaitingPaint(),
                hueloom::overlayState().bindings.size());
    std::fflush(stdout);
    host.stopTimer();
}

void runOverlayBenchmark(const bench::Options& options) {
    measureGlyphPaint(options);
    for (int bindings : kBindingCounts) measureQuietTick(bindings, options);
    std::fflush(stdout);
}

} // namespace

HUELOOM_BENCHMARK("overlays and glyph buttons", runOverlayBenchmark)
