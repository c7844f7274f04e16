#pragma once
// Each drawn control read and painted: the control's items and state are asked by message,
// then handed to its painter in paint/. Called by the painter subclass with the control's
// font already selected into `dc`.
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

void drawHeader(HWND header, HDC dc);
void drawTabControl(HWND tabs, HDC dc);
void drawProgressBar(HWND bar, HDC dc);
void drawGroupBox(HWND box, HDC dc);
void drawStatusBar(HWND bar, HDC dc);
void drawToolTip(HWND tip, HDC dc);

// What the parent shows behind `window`, painted into `dc` as the parent paints itself
// (erase, then its client): a group box lets its page show through, as the system's does.
void paintParentBehind(HWND window, HDC dc);

// As the system does for an owner-drawn item (`type` ODT_HEADER, ODT_TAB, or 0 for a
// status-bar part): WM_DRAWITEM to the control's parent, which draws into `dc`.
void askOwnerToDraw(HWND control, HDC dc, UINT type, int item, const RECT& rect, ULONG_PTR data, bool selected);

// The header item or tab at a client point, or -1.
[[nodiscard]] int headerItemAt(HWND header, POINT point);
[[nodiscard]] int tabAt(HWND tabs, POINT point);

} // namespace hueloom
