#pragma once
// A host for the tests of the controls the plug-in draws: a visible window handed to a
// freshly reset plug-in that has loaded the real system functions (under Wine: build 7601
// and no dark-mode functions), so that themes change through the actions, as in a
// publication. The test's controls and the theme go with it.
#include <windows.h>

#include <string>
#include <vector>

#include "support/test_seam.h"

namespace testing {

class LiveHost {
public:
    LiveHost();
    ~LiveHost();
    LiveHost(const LiveHost&) = delete;
    LiveHost& operator=(const LiveHost&) = delete;

    [[nodiscard]] HWND window() const { return window_; }
    HWND child(const wchar_t* className, DWORD style, RECT box, const wchar_t* text = L"", HWND parent = nullptr);

private:
    TestSeam seam_;
    HWND window_ = nullptr;
};

// Themes through the actions, each answering 1.
void themeDark();
void themeLight();
// Custom colours on the stock look: a deep blue page with pale text.
void themeCustom();
void resetTheme();

// A child window that records the WM_HSCROLL and WM_VSCROLL its scroll bars send it.
struct ScrollNote {
    UINT message;
    int code;
    int position;       // the high word of wParam
    int trackPosition;  // what GetScrollInfo's SIF_TRACKPOS said when the note came
};
HWND createScrollRecorder(HWND parent, RECT box);
[[nodiscard]] std::vector<ScrollNote>& scrollNotes();

} // namespace testing
