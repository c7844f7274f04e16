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
    return CreateWindowExW(0, kHostClass, L"Paint benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 640, 480,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

HWND child(HWND host, const wchar_t* className, DWORD style, RECT box, const wchar_t* text = L"") {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, box.left, box.top, box.right,
                           box.bottom, host, nullptr, GetModuleHandleW(nullptr), nullptr);
}

template <class Item>
void send(HWND window, UINT message, WPARAM wParam, const Item& item) {
    SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(&item));
}

HWND header(HWND host) {
    HWND h = child(host, WC_HEADERW, HDS_BUTTONS | HDS_HORZ, {10, 10, 270, 24});
    const wchar_t* titles[] = {L"Name", L"Size", L"Changed"};
    for (int i = 0; i < 3; ++i) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = 90;
        item.fmt = HDF_STRING | (i == 0 ? HDF_SORTUP : 0);
        item.pszText = const_cast<wchar_t*>(titles[i]);
        send(h, HDM_INSERTITEMW, static_cast<WPARAM>(i), item);
    }
    return h;
}

HWND tabs(HWND host) {
    HWND t = child(host, WC_TABCONTROLW, 0, {300, 10, 280, 140});
    const wchar_t* labels[] = {L"General", L"Colors", L"About"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(labels[i]);
        send(t, TCM_INSERTITEMW, static_cast<WPARAM>(i), item);
    }
    return t;
}

HWND progress(HWND host, DWORD style, int y) {
    HWND p = child(host, PROGRESS_CLASSW, style, {10, y, 240, 18});
    SendMessageW(p, PBM_SETPOS, 60, 0);
    if (style & PBS_MARQUEE) SendMessageW(p, PBM_SETMARQUEE, TRUE, 30);
    return p;
}

HWND status(HWND host) {
    HWND s = child(host, STATUSCLASSNAMEW, SBARS_SIZEGRIP | CCS_BOTTOM, {0, 0, 0, 0});
    int edges[] = {200, 400, -1};
    SendMessageW(s, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    const wchar_t* texts[] = {L"Ready", L"Page 1 of 1", L"Hueloom demo"};
    for (WPARAM part = 0; part < 3; ++part) SendMessageW(s, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(texts[part]));
    return s;
}

HWND toolTip(HWND host) {
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = host;
    tool.uId = 1;
    tool.lpszText = const_cast<wchar_t*>(L"Sends the form");
    send(tip, TTM_ADDTOOLW, 0, tool);
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(200, 300));
    send(tip, TTM_TRACKACTIVATE, TRUE, tool);
    return tip;
}

HWND listView(HWND host) {
    HWND list = child(host, WC_LISTVIEWW, WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, {10, 160, 280, 110});
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH;
        c.cx = 130;
        c.pszText = const_cast<wchar_t*>(column ? L"Value" : L"Name");
        send(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), c);
    }
    const wchar_t* rows[] = {L"Alpha", L"Beta", L"Gamma", L"Delta"};
    for (int row = 0; row < 4; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(rows[row]);
        send(list, LVM_INSERTITEMW, 0, item);
    }
    LVITEMW selected{};
    selected.stateMask = selected.state = LVIS_SELECTED;
    send(list, LVM_SETITEMSTATE, 1, selected);
    return list;
}

HWND treeView(HWND host) {
    HWND tree = child(host, WC_TREEVIEWW, WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT,
                      {300, 160, 280, 116});
    TVINSERTSTRUCTW insert{};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.hParent = TVI_ROOT;
    insert.item.pszText = const_cast<wchar_t*>(L"Publication");
    auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    for (const wchar_t* name : {L"Pages", L"Objects", L"Variables"}) {
        insert.hParent = root;
        insert.item.pszText = const_cast<wchar_t*>(name);
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
    }
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    return tree;
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
    rebuildThemeBrushes(currentTheme());
    refreshWindows(RefreshScope::AllWindows);
}

void runPaintBenchmark(const bench::Options& options) {
    HWND host = createHost();
    pluginStartup();
    setHostWindow(host);
    testing::TestSeam::setWindowsBuild(19045);
    loadSystemFunctions();

    std::vector<Measured> controls = {
        {"header", header(host), {}, {}, {}, {}, {}},
        {"tab control", tabs(host), {}, {}, {}, {}, {}},
        {"progress bar", progress(host, 0, 290), {}, {}, {}, {}, {}},
        {"marquee", progress(host, PBS_MARQUEE, 320), {}, {}, {}, {}, {}},
        {"group box", child(host, WC_BUTTONW, BS_GROUPBOX, {10, 350, 130, 60}, L"Choices"), {}, {}, {}, {}, {}},
        {"status bar", status(host), {}, {}, {}, {}, {}},
        {"tooltip", toolTip(host), {}, {}, {}, {}, {}},
        {"list view", listView(host), {}, {}, {}, {}, {}},
        {"tree view", treeView(host), {}, {}, {}, {}, {}},
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
