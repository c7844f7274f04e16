#pragma once
// Geometry of glyphs and track bars, as plain arithmetic so it can be checked at any DPI
// without a window. No window calls here.
#include <windows.h>

namespace hueloom {

// The glyph box of native check boxes and radio buttons at a DPI (the 96-DPI design
// scaled with MulDiv; 0 or less counts as 96).
struct GlyphGeometry {
    int box;        // side of the box
    int gap;        // between box and caption
    int inset;      // radio dot and indeterminate bar inset; also the corner size
    int markWidth;  // pen width of the check mark
};
[[nodiscard]] GlyphGeometry glyphGeometry(int dpi) noexcept;

// The three points of the check mark in a box of side `size` at (left, top).
struct CheckMark {
    POINT points[3];
};
[[nodiscard]] CheckMark checkMark(int left, int top, int size) noexcept;

// `fraction` in 0..1; NaN gives 0. Quiet comparisons only: on the x87 an ordered compare
// of NaN raises.
[[nodiscard]] double clampedFraction(double fraction) noexcept;

// Nearest integer, a half going to the even neighbour, independent of the FPU rounding mode.
[[nodiscard]] int roundHalfEven(double value) noexcept;

struct TrackGeometry {
    bool vertical = false;
    int thickness = 0;  // of the channel; also its corner size
    int radius = 0;     // of the thumb
    RECT channel{};
    RECT filled{};      // the part of the channel from the minimum to the thumb
    POINT thumbCentre{};
    [[nodiscard]] bool hasFilled() const noexcept {
        return filled.right > filled.left && filled.bottom > filled.top;
    }
    [[nodiscard]] RECT thumb() const noexcept {
        return {thumbCentre.x - radius, thumbCentre.y - radius, thumbCentre.x + radius,
                thumbCentre.y + radius};
    }
};

// Below this width or height a drawn track shows only its background.
inline constexpr int kMinTrackSide = 8;

// Track-bar drawing for a client area of width x height; `fraction` is clamped to 0..1.
[[nodiscard]] TrackGeometry trackGeometry(int width, int height, int dpi, double fraction) noexcept;

} // namespace hueloom
