// Theming pass, timer tick and colour answer against the floor: a bare walk of the same
// windows with one hash lookup each. Rounds alternate floor and figure, because timings on
// shared machines drift by tens of percent between runs.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <unordered_map>
#include <vector>

#include "bench.h"
#include "engine/auto_refresh.h"
#include "engine/color_subclass.h"
#include "engine/control_painting.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "paint/theme_brushes.h"
#include "platform/subclass.h"
#include "plugin/lifecycle.h"
#include "support/test_seam.h"
#include "theme/theme_state.h"

namespace {

using namespace hueloom;

constexpr int kControlsPerPage = 50;
constexpr int kColorMessages = 2000;
constexpr wchar_t kHostClass[] = L"BenchPublication";
constexpr wchar_t kPageClass[] = L"TNeoBookPage";  // the host's own page windows are never themed

void registerClasses() {
    static bool done = false;
    if (done) return;
    for (const wchar_t* name : {kHostClass, kPageClass}) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = name;
        RegisterClassW(&wc);
    }
    done = true;
}

struct ControlRecipe {
    const wchar_t* className;
    DWORD style;
    const wchar_t* text;
};

// A mix like a form-heavy publication.
constexpr ControlRecipe kRecipes[] = {
    {WC_EDITW, WS_BORDER, L"text"},
    {WC_STATICW, 0, L"Label"},
    {WC_BUTTONW, BS_PUSHBUTTON, L"OK"},
    {WC_BUTTONW, BS_AUTOCHECKBOX, L"Check"},
    {WC_BUTTONW, BS_AUTORADIOBUTTON, L"Radio"},
    {WC_LISTBOXW, WS_BORDER, L""},
    {WC_COMBOBOXW, CBS_DROPDOWNLIST, L""},
    {TRACKBAR_CLASSW, TBS_HORZ, L""},
    {WC_BUTTONW, BS_GROUPBOX, L"Group"},
    {WC_STATICW, 0, L"Caption"},
};

struct Publication {
    HWND host = nullptr;
    HWND firstPage = nullptr;
    HWND firstEdit = nullptr;
    int controls = 0;

    explicit Publication(int controlCount) {
        registerClasses();
        host = CreateWindowExW(0, kHostClass, L"Benchmark publication", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                               0, 0, 800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        HWND page = nullptr;
        for (int i = 0; i < controlCount; ++i) {
            if (i % kControlsPerPage == 0) {
                page = CreateWindowExW(0, kPageClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 780, 560,
                                       host, nullptr, GetModuleHandleW(nullptr), nullptr);
                if (!firstPage) firstPage = page;
            }
            const ControlRecipe& recipe = kRecipes[i % std::size(kRecipes)];
            const int slot = i % kControlsPerPage;
            HWND control = CreateWindowExW(0, recipe.className, recipe.text, WS_CHILD | WS_VISIBLE | recipe.style,
                                           10 + (slot % 5) * 150, 10 + (slot / 5) * 50, 140, 40, page, nullptr,
                                           GetModuleHandleW(nullptr), nullptr);
            if (!firstEdit && i % std::size(kRecipes) == 0) firstEdit = control;  // the edit recipe
            ++controls;
        }
    }
    ~Publication() {
        // Hidden first: the destruction of visible children would repaint the host each time.
        SendMessageW(host, WM_SETREDRAW, FALSE, 0);
        DestroyWindow(host);
        bench::drainMessages();
    }
    Publication(const Publication&) = delete;
    Publication& operator=(const Publication&) = delete;

    void validate() const {
        RedrawWindow(host, nullptr, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_ALLCHILDREN);
    }
};

// The floor: what any pass must do at least.
struct FloorWalk {
    std::unordered_map<HWND, int32_t> known;
    int visited = 0;
    int hits = 0;
};

BOOL CALLBACK floorChild(HWND window, LPARAM data) {
    auto* walk = reinterpret_cast<FloorWalk*>(data);
    walk->visited += 1;
    walk->hits += walk->known.find(window) != walk->known.end() ? 1 : 0;
    return TRUE;
}

BOOL CALLBACK floorTopLevel(HWND window, LPARAM data) {
    floorChild(window, data);
    EnumChildWindows(window, floorChild, data);
    return TRUE;
}

BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

LRESULT CALLBACK passThroughSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    return DefSubclassProc(window, message, wParam, lParam);
}

double timeFloor(FloorWalk& walk) {
    walk.visited = walk.hits = 0;
    const double start = bench::nowUs();
    EnumThreadWindows(GetCurrentThreadId(), floorTopLevel, reinterpret_cast<LPARAM>(&walk));
    return bench::nowUs() - start;
}

template <class Work>
double timeUs(Work&& work) {
    const double start = bench::nowUs();
    work();
    return bench::nowUs() - start;
}

// Back to nothing themed, as before the first theme action.
void forgetTheming() {
    removeColorSubclasses();
    removeGlyphSubclasses();
    (void)removeControlPainters();
    hueloom::windowRegistry().originalLooks.clear();
    hueloom::windowRegistry().themedControls.clear();
    hueloom::windowRegistry().titleBarWindows.clear();
}

void startTheme(HWND host) {
    pluginStartup();
    setHostWindow(host);
    // A Windows 10 build, so the pass sets theme names and title-bar attributes as there.
    testing::TestSeam::setWindowsBuild(19045);
    loadSystemFunctions();
    applyModePalette(currentTheme(), Mode::Dark);
    if (!rebuildThemeBrushes(currentTheme())) std::fputs("bench: the theme's brushes could not be made\n", stderr);
}

struct Figure {
    const char* name;
    std::vector<double> us, ratios;
};

void printFigure(const Figure& figure, const std::vector<double>& floors, int windows) {
    const double us = bench::median(figure.us);
    std::printf("  %-22s %10.2f ms %10.2f ms %8.2fx %10.2f us/window\n", figure.name, us / 1000,
                bench::median(floors) / 1000, bench::median(figure.ratios), us / windows);
}

void measureColorAnswer(const Publication& publication) {
    // Floor: the same message through the same subclass machinery, passed straight on.
    HWND twin = CreateWindowExW(0, kPageClass, L"", WS_CHILD, 0, 0, 10, 10, publication.host, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(twin, passThroughSubclass, 1, 0);
    HDC dc = GetDC(publication.firstEdit);
    const auto wParam = reinterpret_cast<WPARAM>(dc);
    const auto lParam = reinterpret_cast<LPARAM>(publication.firstEdit);

    std::vector<double> floor, answer, direct;
    floor.reserve(5);
    answer.reserve(5);
    direct.reserve(5);
    uint64_t allocations = 0;
    for (int round = 0; round < 5; ++round) {
        double start = bench::nowUs();
        for (int i = 0; i < kColorMessages; ++i) SendMessageW(twin, WM_CTLCOLOREDIT, wParam, lParam);
        floor.push_back((bench::nowUs() - start) / kColorMessages);

        const uint64_t before = bench::allocationCount();
        start = bench::nowUs();
        for (int i = 0; i < kColorMessages; ++i) SendMessageW(publication.firstPage, WM_CTLCOLOREDIT, wParam, lParam);
        const double throughSubclass = (bench::nowUs() - start) / kColorMessages;
        start = bench::nowUs();
        for (int i = 0; i < kColorMessages; ++i)
            colorSubclassProc(publication.firstPage, WM_CTLCOLOREDIT, wParam, lParam, idOf(SubclassId::Color), 0);
        const double inProcedure = (bench::nowUs() - start) / kColorMessages;
        allocations += bench::allocationCount() - before;
        answer.push_back(throughSubclass);
        direct.push_back(inProcedure);
    }
    const LRESULT brush = SendMessageW(publication.firstPage, WM_CTLCOLOREDIT, wParam, lParam);
    std::printf("  colour answer: %.2f us through the subclass (floor %.2f us, ratio %.2fx), %.3f us in the "
                "procedure itself, %llu allocations in %d answers%s\n",
                bench::median(answer), bench::median(floor), bench::median(answer) / bench::median(floor),
                bench::median(direct), static_cast<unsigned long long>(allocations), 5 * kColorMessages * 2,
                brush == reinterpret_cast<LRESULT>(hueloom::themeBrushes().control) ? "" : " (NOT THEMED!)");
    ReleaseDC(publication.firstEdit, dc);
    DestroyWindow(twin);
}

void runEngineBenchmark(const bench::Options& options) {
    std::printf("  %-22s %13s %13s %9s %20s\n", "figure", "median", "floor", "ratio", "per window");
    for (const int size : options.sizes) {
        const double buildStart = bench::nowUs();
        Publication publication(size);
        startTheme(publication.host);
        bench::drainMessages();

        FloorWalk walk;
        EnumThreadWindows(GetCurrentThreadId(), floorTopLevel, reinterpret_cast<LPARAM>(&walk));
        // The floor's map holds every window, like a registry of the same size.
        walk.visited = 0;
        std::vector<HWND> all;
        EnumChildWindows(publication.host, collectWindow, reinterpret_cast<LPARAM>(&all));
        walk.known.reserve(all.size());
        for (HWND w : all) walk.known.emplace(w, 1);
        (void)timeFloor(walk);
        const int windows = walk.visited;
        std::printf("-- %d controls, %d windows walked (built in %.0f ms)\n", publication.controls, windows,
                    (bench::nowUs() - buildStart) / 1000);

        refreshWindows(hueloom::RefreshScope::AllWindows);
        publication.validate();
        // The tick runs as the timer would call it; the timer itself is not set, so no
        // stray tick lands between the measurements.
        hueloom::autoRefreshState().running = true;

        Figure first{"first full pass", {}, {}}, incremental{"incremental pass", {}, {}},
            tick{"timer tick", {}, {}}, full{"full pass again", {}, {}};
        std::vector<double> floors;
        const auto against = [&](Figure& figure, double us) {
            const double floor = timeFloor(walk);
            floors.push_back(floor);
            figure.us.push_back(us);
            figure.ratios.push_back(us / floor);
        };
        const int rounds = size >= 5000 ? std::max(3, options.rounds - 2) : options.rounds;
        for (int round = 0; round < rounds; ++round) {
            against(incremental, timeUs([] { refreshWindows(hueloom::RefreshScope::NewWindowsOnly); }));
            against(tick, timeUs([&] { autoRefreshTick(publication.host, WM_TIMER, kAutoRefreshTimerId, 0); }));
            against(full, timeUs([] { refreshWindows(hueloom::RefreshScope::AllWindows); }));
            publication.validate();
            forgetTheming();
            publication.validate();
            against(first, timeUs([] { refreshWindows(hueloom::RefreshScope::AllWindows); }));
            publication.validate();
            bench::drainMessages();
        }
        for (const Figure* figure : {&first, &incremental, &full, &tick}) printFigure(*figure, floors, windows);
        measureColorAnswer(publication);

        hueloom::autoRefreshState().running = false;
        forgetTheming();
        deleteThemeBrushes();
        std::fflush(stdout);
    }
}

} // namespace

HUELOOM_BENCHMARK("theming engine", runEngineBenchmark)
