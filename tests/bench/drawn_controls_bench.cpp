// A paint of each control the plug-in draws where the system has no dark theme (push
// buttons, scroll bars, up-downs, combo-box drop buttons), against the same control's stock
// paint. Under Wine every message through a comctl32 subclass costs tens of microseconds,
// so the stock twin carries a pass-through subclass: both pay the mechanism alike. Rounds
// alternate stock and drawn.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "bench.h"
#include "engine/drawn_controls.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "paint/theme_brushes.h"
#include "platform/system_functions.h"
#include "plugin/lifecycle.h"
#include "theme/theme_state.h"

namespace {

using namespace hueloom;

constexpr int kPaints = 100;
constexpr wchar_t kHostClass[] = L"BenchDrawnControlsHost";

LRESULT CALLBACK passThroughSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    return DefSubclassProc(window, message, wParam, lParam);
}

HWND createHost() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    RegisterClassW(&wc);
    return CreateWindowExW(0, kHostClass, L"Drawn controls benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700,
                           400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

struct Kind {
    const char* name;
    ControlKind kind;
    std::function<HWND(HWND parent, int x)> create;
};

HWND child(HWND parent, const wchar_t* className, DWORD style, RECT box, const wchar_t* text = L"") {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, box.left, box.top, box.right - box.left,
                           box.bottom - box.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND scrollBar(HWND parent, int x) {
    HWND bar = child(parent, L"ScrollBar", SBS_HORZ, {x, 10, x + 200, 28});
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 30, 0};
    SetScrollInfo(bar, SB_CTL, &info, FALSE);
    return bar;
}

HWND combo(HWND parent, int x, DWORD style) {
    HWND box = child(parent, L"ComboBox", style | WS_VSCROLL, {x, 10, x + 150, 200});
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Green"));
    SendMessageW(box, CB_SETCURSEL, 0, 0);
    return box;
}

const Kind kKinds[] = {
    {"push button", ControlKind::PushButton,
     [](HWND p, int x) { return child(p, L"Button", BS_DEFPUSHBUTTON, {x, 10, x + 100, 40}, L"Apply"); }},
    {"scroll bar", ControlKind::ScrollBar, scrollBar},
    {"up-down", ControlKind::UpDown, [](HWND p, int x) { return child(p, UPDOWN_CLASSW, 0, {x, 10, x + 20, 50}); }},
    {"drop-down list combo box", ControlKind::ComboBox, [](HWND p, int x) { return combo(p, x, CBS_DROPDOWNLIST); }},
    {"drop-down combo box", ControlKind::ComboBox, [](HWND p, int x) { return combo(p, x, CBS_DROPDOWN); }},
};

double paintUs(HWND window) {
    const double start = bench::nowUs();
    for (int i = 0; i < kPaints; ++i)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return (bench::nowUs() - start) / kPaints;
}

void measureDrawnPaints(const bench::Options& options) {
    HWND host = createHost();
    pluginStartup();
    setHostWindow(host);
    loadSystemFunctions();  // under Wine: no dark-mode functions, so the controls are drawn
    applyModePalette(currentTheme(), Mode::Dark);
    rebuildThemeBrushes(currentTheme());
    std::printf("  %-26s %12s %12s %8s %s\n", "control", "stock paint", "drawn paint", "ratio", "allocations");
    for (const Kind& kind : kKinds) {
        HWND stock = kind.create(host, 10);
        HWND drawn = kind.create(host, 300);
        SetWindowSubclass(stock, passThroughSubclass, 1, 0);
        installDrawnControl(drawn, kind.kind);
        if (!windowRegistry().drawnControls.contains(drawn)) {
            std::printf("  %-26s not drawn (a native dark theme?)\n", kind.name);
            continue;
        }
        paintUs(stock);
        paintUs(drawn);  // fonts and caches warm
        std::vector<double> stockUs, drawnUs, ratios;
        uint64_t allocations = 0;
        for (int round = 0; round < options.rounds; ++round) {
            const double s = paintUs(stock);
            const uint64_t before = bench::allocationCount();
            const double d = paintUs(drawn);
            allocations += bench::allocationCount() - before;
            stockUs.push_back(s);
            drawnUs.push_back(d);
            ratios.push_back(d / s);
        }
        std::printf("  %-26s %9.1f us %9.1f us %7.2fx %llu in %d paints\n", kind.name, bench::median(stockUs),
                    bench::median(drawnUs), bench::median(ratios), static_cast<unsigned long long>(allocations),
                    kPaints * options.rounds);
        DestroyWindow(stock);
        DestroyWindow(drawn);
        std::fflush(stdout);
    }
    DestroyWindow(host);
    bench::drainMessages();
    deleteThemeBrushes();
}

} // namespace

HUELOOM_BENCHMARK("drawn controls", measureDrawnPaints)
