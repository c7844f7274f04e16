// One paint of each control the plug-in draws or colours, set against the same control's
// stock paint: with no subclass of the plug-in's (bare), and with the plug-in's subclasses
// on but its colours off, so every message only passes through (floor: under Wine each
// subclassed message costs tens of microseconds before any drawing). The three states take
// turns round by round.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "bench.h"
#include "engine/host_window.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "paint/theme_brushes.h"
#include "plugin/lifecycle.h"
#include "support/sample_controls.h"
#include "support/test_seam.h"
#include "theme/theme_state.h"

namespace {

using namespace hueloom;

constexpr int kPaintsPerRound = 40;
constexpr wchar_t kHostClass[] = L"BenchPaintHost";

HWND createHost() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    RegisterClassW(&wc);
    return CreateWindowExW(0, kHostClass, L"Paint benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 820, 480,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

HWND marquee(HWND host) {
    HWND bar = testing::sampleProgress(host, {10, 320, 240, 18}, PBS_MARQUEE);
    SendMessageW(bar, PBM_SETMARQUEE, TRUE, 30);
    return bar;
}

HWND child(HWND parent, const wchar_t* className, DWORD style, testing::Box box, const wchar_t* text = L"") {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, box.x, box.y, box.width, box.height,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND scrollBar(HWND host) {
    HWND bar = child(host, WC_SCROLLBARW, SBS_HORZ, {600, 50, 200, 18});
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 30, 0};
    SetScrollInfo(bar, SB_CTL, &info, FALSE);
    return bar;
}

HWND comboBox(HWND host, DWORD style, int y) {
    HWND combo = child(host, WC_COMBOBOXW, style | WS_VSCROLL, {600, y, 150, 200});
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Green"));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    return combo;
}

double paintUs(HWND control) {
    const double start = bench::nowUs();
    for (int i = 0; i < kPaintsPerRound; ++i)
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return (bench::nowUs() - start) / kPaintsPerRound;
}

struct Measured {
    const char* name;
    HWND window;
    std::vector<double> bare, floor, themed, versusBare, versusFloor;
};

void themeAll() {
    applyModePalette(currentTheme(), Mode::Dark);
    if (!rebuildThemeBrushes(currentTheme())) std::fputs("bench: the theme's brushes could not be made\n", stderr);
    refreshWindows(RefreshScope::AllWindows);
}

void runPaintBenchmark(const bench::Options& options) {
    HWND host = createHost();
    pluginStartup();
    setHostWindow(host);
    testing::TestSeam::setWindowsBuild(19045);
    loadSystemFunctions();

    std::vector<Measured> controls = {
        {"header", testing::sampleHeader(host, {10, 10, 270, 24}), {}, {}, {}, {}, {}},
        {"tab control", testing::sampleTabs(host, {300, 10, 280, 140}), {}, {}, {}, {}, {}},
        {"progress bar", testing::sampleProgress(host, {10, 290, 240, 18}), {}, {}, {}, {}, {}},
        {"marquee", marquee(host), {}, {}, {}, {}, {}},
        {"group box",
         CreateWindowExW(0, WC_BUTTONW, L"Choices", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 10, 350, 130, 60, host,
                         nullptr, GetModuleHandleW(nullptr), nullptr),
         {}, {}, {}, {}, {}},
        {"status bar", testing::sampleStatusBar(host), {}, {}, {}, {}, {}},
        {"tooltip", testing::sampleToolTip(host, {200, 300}), {}, {}, {}, {}, {}},
        {"list view", testing::sampleListView(host, {10, 160, 280, 110}), {}, {}, {}, {}, {}},
        {"tree view", testing::sampleTreeView(host, {300, 160, 280, 116}), {}, {}, {}, {}, {}},
        // Drawn only where the system has no dark theme for them, as under Wine.
        {"push button", child(host, WC_BUTTONW, BS_DEFPUSHBUTTON, {600, 10, 100, 30}, L"Apply"), {}, {}, {}, {}, {}},
        {"scroll bar", scrollBar(host), {}, {}, {}, {}, {}},
        {"up-down", child(host, UPDOWN_CLASSW, 0, {600, 80, 20, 40}), {}, {}, {}, {}, {}},
        {"combo box list", comboBox(host, CBS_DROPDOWNLIST, 140), {}, {}, {}, {}, {}},
        {"combo box", comboBox(host, CBS_DROPDOWN, 170), {}, {}, {}, {}, {}},
    };
    bench::drainMessages();
    for (int round = 0; round < options.rounds; ++round) {
        restoreStockLook();
        bench::drainMessages();
        for (Measured& m : controls) m.bare.push_back(paintUs(m.window));
        themeAll();
        bench::drainMessages();
        currentTheme().active = false;  // everything installed, nothing drawn by the plug-in
        for (Measured& m : controls) m.floor.push_back(paintUs(m.window));
        currentTheme().active = true;
        for (Measured& m : controls) {
            m.themed.push_back(paintUs(m.window));
            m.versusBare.push_back(m.themed.back() / m.bare.back());
            m.versusFloor.push_back(m.themed.back() / m.floor.back());
        }
    }
    std::printf("  %-14s %12s %12s %12s %11s %12s\n", "control", "bare", "floor", "themed", "vs bare", "vs floor");
    for (const Measured& m : controls)
        std::printf("  %-14s %9.1f us %9.1f us %9.1f us %10.2fx %11.2fx\n", m.name, bench::median(m.bare),
                    bench::median(m.floor), bench::median(m.themed), bench::median(m.versusBare),
                    bench::median(m.versusFloor));
    restoreStockLook();
    deleteThemeBrushes();
    for (const Measured& m : controls) DestroyWindow(m.window);
    DestroyWindow(host);
    bench::drainMessages();
    std::fflush(stdout);
}

} // namespace

HUELOOM_BENCHMARK("drawn control paints", runPaintBenchmark)
