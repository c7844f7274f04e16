#include "live_host.h"

#include <doctest.h>

#include "fixtures.h"
#include "platform/system_functions.h"

namespace testing {

namespace {

HWND sharedLiveHost() {
    // One for all: under Wine without a window manager, destroying a shown top-level
    // window waits for the X server.
    static HWND host = nullptr;
    if (!IsWindow(host)) host = createHostWindow(700, 420);
    return host;
}

LRESULT CALLBACK recordScroll(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_HSCROLL || message == WM_VSCROLL) && lParam) {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(reinterpret_cast<HWND>(lParam), SB_CTL, &info);
        scrollNotes().push_back({message, LOWORD(wParam), HIWORD(wParam), info.nTrackPos});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

LiveHost::LiveHost() : window_(sharedLiveHost()) {
    resetPlugin(window_);
    hueloom::loadSystemFunctions();
    ShowWindow(window_, SW_SHOWNA);
    SetForegroundWindow(window_);
}

LiveHost::~LiveHost() {
    SetCursorPos(0, 0);
    executeAction(7, {});  // Hueloom_Reset
    while (HWND child = GetWindow(window_, GW_CHILD)) DestroyWindow(child);
    resetPlugin();
}

HWND LiveHost::child(const wchar_t* className, DWORD style, RECT box, const wchar_t* text, HWND parent) {
    return createChild(parent ? parent : window_, className, style, box.left, box.top, box.right - box.left,
                       box.bottom - box.top, text);
}

void themeDark() { REQUIRE(executeAction(2, {"Dark"}) == 1); }
void themeLight() { REQUIRE(executeAction(2, {"Light"}) == 1); }
void themeCustom() {
    REQUIRE(executeAction(7, {}) == 1);
    REQUIRE(executeAction(3, {"16,40,64", "220,230,255", "8,24,40"}) == 1);
}
void resetTheme() { REQUIRE(executeAction(7, {}) == 1); }

HWND createScrollRecorder(HWND parent, RECT box) {
    static const wchar_t* className = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = recordScroll;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"HueloomScrollRecorder";
        RegisterClassW(&wc);
        return L"HueloomScrollRecorder";
    }();
    scrollNotes().clear();
    return createChild(parent, className, 0, box.left, box.top, box.right - box.left, box.bottom - box.top);
}

std::vector<ScrollNote>& scrollNotes() {
    static std::vector<ScrollNote> notes;
    return notes;
}

} // namespace testing
