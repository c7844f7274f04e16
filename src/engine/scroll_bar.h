#pragma once
// Standalone scroll bars (class ScrollBar) drawn in the theme's colours where the system
// has no dark theme for them. The system's scroll bar draws straight into its window while
// the mouse holds it, so the subclass also answers the mouse itself: it sends the parent
// the same WM_HSCROLL/WM_VSCROLL codes, repeats arrows and pages while held, drags the
// thumb and reports the dragged position through GetScrollInfo's SIF_TRACKPOS.
#include <windows.h>
#include <commctrl.h>

#include "paint/scroll_geometry.h"

namespace hueloom {

// Timer of a held arrow or page, on the scroll bar itself.
inline constexpr UINT_PTR kScrollRepeatTimerId = 7741;
inline constexpr UINT kScrollFirstRepeatMs = 350;
inline constexpr UINT kScrollRepeatMs = 50;

// Horizontal and vertical bars; size boxes and grips stay the system's.
[[nodiscard]] bool drawsScrollBar(HWND scrollBar);
LRESULT CALLBACK scrollBarSubclassProc(HWND scrollBar, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR subclassId, DWORD_PTR refData);
// Ends a hold of the bar (Reset in the middle of a drag): timer and capture go.
void endScrollBarHold(HWND scrollBar);

// The scroll code a press on `part` sends (SB_LINEUP ...), -1 for the thumb and none.
[[nodiscard]] int scrollCodeFor(ScrollPart part) noexcept;

} // namespace hueloom
