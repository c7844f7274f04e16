#pragma once
// Framed faces and arrow glyphs: the parts that the painters of push buttons, up-down
// controls, scroll bars and combo-box drop buttons have in common.
#include <windows.h>

#include "paint/face_colors.h"
#include "theme/theme_state.h"

namespace hueloom {

// A face's border: one pixel at 96 DPI, scaled, never thinner than one pixel.
[[nodiscard]] int faceBorderWidth(int dpi) noexcept;

// Fills `box` with `face`, inside a border of `borderWidth` pixels in `border` (none at 0).
void paintFace(HDC dc, const RECT& box, Color face, Color border, int borderWidth);

enum class ArrowDirection { Up, Down, Left, Right };

struct ArrowTriangle {
    POINT points[3];
};
// The arrow centred in `box`: a base of 7/16 of the shorter side made odd (at least 3
// pixels) so that the tip falls on one pixel, and a height of half the base rounded up.
[[nodiscard]] ArrowTriangle arrowTriangle(const RECT& box, ArrowDirection direction) noexcept;

void paintArrow(HDC dc, const RECT& box, ArrowDirection direction, Color color);

// An arrow button on the control colour: the face shaded for hot and pressed, the arrow in
// the text colour (disabled blend when disabled), and with `framed` a border in the
// contrast shade of the page.
void paintArrowButton(HDC dc, const RECT& box, ArrowDirection direction, const FaceState& state,
                      const ThemeState& theme, int dpi, bool framed);

} // namespace hueloom
