#pragma once
// Pressable faces and arrow glyphs: the parts that the painters of push buttons, up-down
// controls, scroll bars, combo-box drop buttons and menu bars have in common. Their shades
// are the theme's surfaces (paint/surface_colors.h).
#include <windows.h>

#include "paint/surface_colors.h"
#include "theme/theme_state.h"

namespace hueloom {

struct FaceState {
    bool hot = false;
    bool pressed = false;
    bool enabled = true;
};

// A pressable part on `surface`: its pressed face, its hot face, or `resting` (the face of a
// raised part, the ground of a flat one). Pressed wins over hot; a disabled part rests.
[[nodiscard]] Color pressableShade(const Surface& surface, const FaceState& state, Color resting) noexcept;
// Captions and arrows on such a part: the surface's text, or its disabled text.
[[nodiscard]] Color pressableText(const Surface& surface, const FaceState& state) noexcept;

// The border of a button or arrow: one pixel at 96 DPI, scaled, never thinner than one.
[[nodiscard]] int faceBorderWidth(int dpi) noexcept;

// Fills `box` with `face` inside a border of `borderWidth` pixels in `border` (none at 0).
void paintFace(HDC dc, const RECT& box, Color face, Color border, int borderWidth);

enum class ArrowDirection { Up, Down, Left, Right };

struct ArrowTriangle {
    POINT points[3];
};
// The arrow centred in `box`: a base of 7/16 of the shorter side made odd (at least 3
// pixels) so that the tip falls on one pixel, and a height of half the base rounded up.
[[nodiscard]] ArrowTriangle arrowTriangle(const RECT& box, ArrowDirection direction) noexcept;

void paintArrow(HDC dc, const RECT& box, ArrowDirection direction, Color color);

// An arrow button on the control surface: with `framed`, a raised face in the surface's
// frame colour; without, flat on the control colour. Hot and pressed shade it; the arrow is
// in the text colour (the disabled text when disabled).
void paintArrowButton(HDC dc, const RECT& box, ArrowDirection direction, const FaceState& state,
                      const ThemeState& theme, int dpi, bool framed);

} // namespace hueloom
