#include "paint/combo_button_painter.h"

#include "paint/face_painter.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {

// Fills the ring between `outer` and `outer` inset by `width`, leaving the inside alone.
void fillRing(HDC dc, const RECT& outer, int width, Color color) {
    if (width <= 0) return;
    const Brush brush = solidBrush(color);
    const RECT sides[] = {
        {outer.left, outer.top, outer.right, outer.top + width},
        {outer.left, outer.bottom - width, outer.right, outer.bottom},
        {outer.left, outer.top + width, outer.left + width, outer.bottom - width},
        {outer.right - width, outer.top + width, outer.right, outer.bottom - width},
    };
    for (const RECT& side : sides)
        if (side.right > side.left && side.bottom > side.top) FillRect(dc, &side, brush.get());
}

} // namespace

void paintComboButton(HDC dc, const RECT& client, const RECT& button, int edge, const FaceState& state,
                      const ThemeState& theme, int dpi) {
    const int border = edge > 0 ? faceBorderWidth(dpi) : 0;
    const Color borderColor = state.enabled ? contrastShade(theme.pageBack)
                                            : faceText(theme.pageBack, theme.controlText, state);
    fillRing(dc, client, border < edge ? border : edge, borderColor);
    RECT inner = client;
    InflateRect(&inner, -border, -border);
    fillRing(dc, inner, edge - border, theme.controlBack);
    if (button.right > button.left && button.bottom > button.top)
        paintArrowButton(dc, button, ArrowDirection::Down, state, theme, dpi, false);
}

} // namespace hueloom
