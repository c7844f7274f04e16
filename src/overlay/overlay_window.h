#pragma once
// The overlay window: transparent to the mouse, painted from its binding.
#include <windows.h>

#include "overlay/overlay_binding.h"
#include "paint/glyph_painter.h"

namespace hueloom {

LRESULT CALLBACK overlayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void paintOverlay(HWND overlay, HDC dc);
// A glyph of side `size` at (left, top) on `backColor`, as a check or radio overlay shows it.
void paintOverlayGlyph(HDC dc, int left, int top, int size, const GlyphState& state, Color backColor);
// The whole client area of a track overlay, width x height, for the binding's value.
void paintOverlayTrack(HDC dc, OverlayBinding& binding, int width, int height);

} // namespace hueloom
