#pragma once
// A window that records the WM_HSCROLL and WM_VSCROLL its scroll bars send it, for the tests
// of the scroll bars the plug-in draws.
#include <windows.h>

#include <vector>

namespace testing {

struct ScrollNote {
    UINT message;
    int code;
    int position;       // the high word of wParam
    int trackPosition;  // what GetScrollInfo's SIF_TRACKPOS said when the note came
};

// A child of `parent` at `box`; the notes start empty.
HWND createScrollRecorder(HWND parent, RECT box);
[[nodiscard]] std::vector<ScrollNote>& scrollNotes();

} // namespace testing
