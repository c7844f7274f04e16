#include "paint/scroll_bar_painter.h"

#include <algorithm>

#include "paint/face_painter.h"
#include "paint/solid_drawing.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {

constexpr int kThumbInset = 2;  // across the bar, at 96 DPI

// The stretch from `start` to `end` along the bar, across its whole thickness.
RECT alongBar(const RECT& client, bool vertical, int start, int end) {
    return vertical ? RECT{client.left, client.top + start, client.right, client.top + end}
                    : RECT{client.left + start, client.top, client.left + end, client.bottom};
}

FaceState partState(const ScrollBarLook& look, ScrollPart part, bool partEnabled) {
    FaceState state;
    state.enabled = look.enabled && partEnabled;
    state.hot = state.enabled && look.hot == part;
    state.pressed = state.enabled && look.pressed == part;
    return state;
}

void fillPage(HDC dc, const RECT& client, const ScrollBarLook& look, ScrollPart part, int start, int end,
              const ThemeState& theme) {
    if (end <= start) return;
    const Surface surface = controlSurface(theme);
    fillSolid(dc, alongBar(client, look.vertical, start, end),
              pressableShade(surface, partState(look, part, true), surface.back));
}

} // namespace

Color scrollThumbColor(const ScrollBarLook& look, const ThemeState& theme) noexcept {
    const Color thumb = controlSurface(theme).frame;
    return pressableShade(surfaceOn(thumb, theme.controlText), partState(look, ScrollPart::Thumb, true), thumb);
}

void paintScrollBar(HDC dc, const RECT& client, const ScrollLayout& layout, const ScrollBarLook& look,
                    const ThemeState& theme, int dpi) {
    const ArrowDirection back = look.vertical ? ArrowDirection::Up : ArrowDirection::Left;
    const ArrowDirection forward = look.vertical ? ArrowDirection::Down : ArrowDirection::Right;
    paintArrowButton(dc, alongBar(client, look.vertical, 0, layout.arrow), back,
                     partState(look, ScrollPart::LineBack, look.backArrowEnabled), theme, dpi, false);
    paintArrowButton(dc, alongBar(client, look.vertical, layout.trackEnd(), layout.length), forward,
                     partState(look, ScrollPart::LineForward, look.forwardArrowEnabled), theme, dpi, false);

    const bool thumbShown = look.enabled && layout.hasThumb();
    const int pageBackEnd = thumbShown ? layout.thumbStart : layout.trackEnd();
    fillPage(dc, client, look, ScrollPart::PageBack, layout.trackStart(), pageBackEnd, theme);
    if (!thumbShown) return;
    fillPage(dc, client, look, ScrollPart::PageForward, layout.thumbEnd, layout.trackEnd(), theme);

    // The thumb's stretch of track in the control colour first, then the inset thumb on it.
    RECT thumb = alongBar(client, look.vertical, layout.thumbStart, layout.thumbEnd);
    fillSolid(dc, thumb, theme.controlBack);
    const int thickness = look.vertical ? client.right - client.left : client.bottom - client.top;
    const int inset = std::min(scaleForDpi(kThumbInset, dpi), thickness / 4);
    if (look.vertical) InflateRect(&thumb, -inset, 0);
    else InflateRect(&thumb, 0, -inset);
    const Color thumbColor = scrollThumbColor(look, theme);
    paintFace(dc, thumb, thumbColor, look.focused ? theme.accent : thumbColor, faceBorderWidth(dpi));
}

} // namespace hueloom
