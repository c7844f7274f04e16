#pragma once
// Geometry of the overlays and their glyphs, as plain arithmetic so it can be checked at
// any DPI without a window. No window calls here.
#include <windows.h>

#include "overlay/overlay_binding.h"

namespace hueloom {

// Where the overlay of an object goes, in the parent's client coordinates: the object's
// whole rectangle for a track bar, otherwise a square over the glyph at its left edge.
[[nodiscard]] RECT overlayPlacement(OverlayKind kind, const RECT& objectRect, int dpi) noexcept;

// Position of `value` on the scale minimum..maximum, always in 0..1. NaN reads as the start
// of the scale; infinities go to the end they point at. It never performs an operation that
// raises a floating-point exception, so a host that unmasks them cannot be brought down.
[[nodiscard]] double fractionInRange(double value, double minimum, double maximum) noexcept;

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

// Below this width or height a track overlay shows only its background.
inline constexpr int kMinTrackSide = 8;

// Track-bar drawing for a client area of width x height; `fraction` is clamped to 0..1.
[[nodiscard]] TrackGeometry trackGeometry(int width, int height, int dpi, double fraction) noexcept;

// The three points of the check mark in a box of side `size` at (left, top).
struct CheckMark {
    POINT points[3];
};
[[nodiscard]] CheckMark checkMark(int left, int top, int size) noexcept;

} // namespace hueloom
