#include "paint/face_painter.h"

#include <algorithm>

#include "paint/solid_drawing.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {
constexpr int kArrowBaseSixteenths = 7;
constexpr int kSmallestArrowBase = 3;
} // namespace

Color pressableShade(const Surface& surface, const FaceState& state, Color resting) noexcept {
    if (!state.enabled) return resting;
    if (state.pressed) return surface.pressedFace;
    if (state.hot) return surface.hotFace;
    return resting;
}

Color pressableText(const Surface& surface, const FaceState& state) noexcept {
    return state.enabled ? surface.text : surface.disabledText;
}

int faceBorderWidth(int dpi) noexcept { return std::max(1, scaleForDpi(1, dpi > 0 ? dpi : 96)); }

void paintFace(HDC dc, const RECT& box, Color face, Color border, int borderWidth) {
    RECT inner = box;
    if (borderWidth > 0) {
        fillSolid(dc, box, border);
        InflateRect(&inner, -borderWidth, -borderWidth);
    }
    fillSolid(dc, inner, face);
}

ArrowTriangle arrowTriangle(const RECT& box, ArrowDirection direction) noexcept {
    const int side = std::min(box.right - box.left, box.bottom - box.top);
    int base = std::max(kSmallestArrowBase, side * kArrowBaseSixteenths / 16);
    if (base % 2 == 0) base -= 1;
    const int half = base / 2;
    const int height = (base + 1) / 2;
    const int cx = (box.left + box.right - 1) / 2;
    const int cy = (box.top + box.bottom - 1) / 2;
    // The tip and the base's two ends, the glyph's extent centred on the box.
    switch (direction) {
    case ArrowDirection::Up: {
        const int top = cy - (height - 1) / 2;
        return {{{cx, top}, {cx - half, top + height - 1}, {cx + half, top + height - 1}}};
    }
    case ArrowDirection::Down: {
        const int top = cy - (height - 1) / 2;
        return {{{cx, top + height - 1}, {cx - half, top}, {cx + half, top}}};
    }
    case ArrowDirection::Left: {
        const int left = cx - (height - 1) / 2;
        return {{{left, cy}, {left + height - 1, cy - half}, {left + height - 1, cy + half}}};
    }
    case ArrowDirection::Right:
    default: {
        const int left = cx - (height - 1) / 2;
        return {{{left + height - 1, cy}, {left, cy - half}, {left, cy + half}}};
    }
    }
}

void paintArrow(HDC dc, const RECT& box, ArrowDirection direction, Color color) {
    const ArrowTriangle arrow = arrowTriangle(box, direction);
    const Pen pen = solidPen(color);
    const Brush brush = solidBrush(color);
    const SelectGuard penGuard(dc, pen.get());
    const SelectGuard brushGuard(dc, brush.get());
    Polygon(dc, arrow.points, 3);
}

void paintArrowButton(HDC dc, const RECT& box, ArrowDirection direction, const FaceState& state,
                      const ThemeState& theme, int dpi, bool framed) {
    const Surface surface = controlSurface(theme);
    const Color face = pressableShade(surface, state, framed ? surface.face : surface.back);
    const Color border = state.enabled ? surface.frame : surface.disabledText;
    paintFace(dc, box, face, border, framed ? faceBorderWidth(dpi) : 0);
    paintArrow(dc, box, direction, pressableText(surface, state));
}

} // namespace hueloom
