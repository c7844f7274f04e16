#include "scroll_recorder.h"

#include "fixtures.h"

namespace testing {

namespace {

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
