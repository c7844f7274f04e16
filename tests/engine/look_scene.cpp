#include "look_scene.h"

#include <doctest.h>

#include <richedit.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/auto_refresh.h"
#include "fixtures.h"
#include "paint/theme_brushes.h"
#include "platform/gdi.h"
#include "support/sample_controls.h"
#include "platform/system_functions.h"
#include "theme/theme_state.h"

namespace testing {

namespace {

enum Action { SetMode = 2, SetColors = 3, Reset = 7, SetAccent = 11 };

constexpr int kMixTolerance = 12;

// The demo's custom colours: navy controls with pale text on a darker page, amber accent.
const std::vector<std::string> kCustomColors{"#1E2A38", "#E8EEF5", "#15202B"};
const std::vector<std::string> kCustomAccent{"#F2A541", "On"};

// The page an author colours from [Skin.PageColor] while a theme is on, and the system's
// dialog colour otherwise. It does not clip its children, so what they leave unpainted shows
// the page as it is now, not what was on screen before.
LRESULT CALLBACK pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        const hueloom::ThemeState& theme = hueloom::currentTheme();
        const COLORREF colour = theme.active ? theme.pageBack : GetSysColor(COLOR_BTNFACE);
        RECT client{};
        GetClientRect(window, &client);
        const hueloom::Brush brush = hueloom::solidBrush(colour);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush.get());
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND sharedHost() {
    static HWND host = nullptr;
    if (!IsWindow(host)) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = pageProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"HueloomLookPage";
        RegisterClassW(&wc);
        host = CreateWindowExW(0, wc.lpszClassName, L"Look host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 620, 40, 640, 480,
                               nullptr, nullptr, wc.hInstance, nullptr);
        pumpMessages(150);  // the X server maps the window before the screen shows it
    }
    SetWindowPos(host, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return host;
}

// Whether `pixel` lies (within `tolerance`) on the straight mix of `a` and `b`: the edge of
// a smoothed letter between its colour and its ground.
bool isMixOf(COLORREF pixel, COLORREF a, COLORREF b, int tolerance) {
    const int channels[3][3] = {{GetRValue(pixel), GetRValue(a), GetRValue(b)},
                                {GetGValue(pixel), GetGValue(a), GetGValue(b)},
                                {GetBValue(pixel), GetBValue(a), GetBValue(b)}};
    double along = 0, length = 0;
    for (const auto& c : channels) {
        along += double(c[0] - c[1]) * double(c[2] - c[1]);
        length += double(c[2] - c[1]) * double(c[2] - c[1]);
    }
    const double t = length > 0 ? std::clamp(along / length, 0.0, 1.0) : 0.0;
    for (const auto& c : channels)
        if (std::abs(c[0] - (c[1] + t * (c[2] - c[1]))) > tolerance) return false;
    return true;
}

} // namespace

const char* lookName(Look look) {
    switch (look) {
    case Look::Dark: return "Dark";
    case Look::Light: return "Light";
    default: return "custom colours";
    }
}

LookScene::LookScene() {
    host_ = sharedHost();
    resetPlugin(host_);
    // The machine's own functions, as the plug-in finds them in the host process.
    hueloom::resetSystemFunctions();
    hueloom::loadSystemFunctions();
}

LookScene::~LookScene() {
    reset();
    for (HWND popup : popups_)
        if (IsWindow(popup)) DestroyWindow(popup);
    while (HWND child = GetWindow(host_, GW_CHILD)) DestroyWindow(child);
    KillTimer(host_, hueloom::kAutoRefreshTimerId);
    pumpMessages(0);
    hueloom::deleteThemeBrushes();
    resetPlugin();
}

HWND LookScene::child(const wchar_t* className, DWORD style, RECT box, const wchar_t* text, HWND parent) {
    return createChild(parent ? parent : host_, className, style, box.left, box.top, box.right - box.left,
                       box.bottom - box.top, text);
}

void LookScene::apply(Look look) {
    switch (look) {
    case Look::Dark: REQUIRE(executeAction(SetMode, {"Dark"}) == 1); break;
    case Look::Light: REQUIRE(executeAction(SetMode, {"Light"}) == 1); break;
    case Look::Custom:
        REQUIRE(executeAction(SetColors, kCustomColors) == 1);
        REQUIRE(executeAction(SetAccent, kCustomAccent) == 1);
        break;
    }
    settle();
}

void LookScene::reset() {
    executeAction(Reset, {});
    settle();
}

void LookScene::settle() const {
    // What the message loop would do next: the repaint that ends the action's freeze.
    RedrawWindow(host_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HWND LookScene::own(HWND window) {
    REQUIRE(window != nullptr);
    return window;
}

HWND LookScene::header() { return own(sampleHeader(host_, {10, 10, 240, 24})); }

HWND LookScene::tabs(DWORD style) { return own(sampleTabs(host_, {10, 40, 240, 120}, style)); }

HWND LookScene::progress(DWORD style) { return own(sampleProgress(host_, {10, 170, 200, 18}, style)); }

HWND LookScene::groupBox() {
    return own(createChild(host_, WC_BUTTONW, BS_GROUPBOX, 260, 10, 160, 90, L"Choices"));
}

HWND LookScene::statusBar() { return own(sampleStatusBar(host_)); }

HWND LookScene::toolTip() {
    HWND tip = own(sampleToolTip(host_, {120, 120}));
    popups_.push_back(tip);
    return tip;
}

HWND LookScene::listView() { return own(sampleListView(host_, {10, 200, 240, 110})); }

HWND LookScene::treeView() { return own(sampleTreeView(host_, {260, 200, 200, 110})); }

HWND LookScene::richEdit() {
    LoadLibraryW(L"riched20.dll");
    return own(createChild(host_, RICHEDIT_CLASSW, WS_BORDER | ES_MULTILINE, 10, 320, 240, 60, L"Rich edit text"));
}

LookShares measureLook(const PixelGrid& grid, int tolerance) {
    const hueloom::ThemeState& theme = hueloom::currentTheme();
    const COLORREF grounds[] = {theme.controlBack, theme.pageBack, theme.accent};
    const COLORREF text = theme.controlText;
    size_t off = 0, written = 0;
    for (COLORREF pixel : grid.pixels) {
        const bool onGround = std::any_of(std::begin(grounds), std::end(grounds),
                                          [&](COLORREF g) { return channelDistance(pixel, g) <= tolerance; });
        if (onGround) continue;
        const bool letterEdge = std::any_of(std::begin(grounds), std::end(grounds),
                                            [&](COLORREF g) { return isMixOf(pixel, g, text, kMixTolerance); });
        if (channelDistance(pixel, text) <= tolerance || letterEdge) ++written;
        else ++off;
    }
    const double count = grid.pixels.empty() ? 1.0 : static_cast<double>(grid.pixels.size());
    return {static_cast<double>(off) / count, static_cast<double>(written) / count};
}

} // namespace testing
