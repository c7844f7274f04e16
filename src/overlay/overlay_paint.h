#pragma once
#include <windows.h>

#include "overlay/overlay_binding.h"

namespace hueloom {

LRESULT CALLBACK overlayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void paintOverlay(HWND overlay, HDC dc);
void paintGlyph(HDC dc, int left, int top, int size, bool radio, bool on, bool enabled, bool hot,
                Color backColor);
void paintTrack(HDC dc, OverlayBinding& binding, int width, int height);

} // namespace hueloom
