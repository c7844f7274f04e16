#include "overlay/overlay_geometry.h"

#include <cmath>

#include "paint/paint_geometry.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {

// The glyph square is the 13-pixel box of the 96-DPI design plus a pixel of margin all round.
constexpr int kGlyphBox = 13;

} // namespace

RECT overlayPlacement(OverlayKind kind, const RECT& objectRect, int dpi) noexcept {
    if (kind == OverlayKind::Track) return objectRect;
    const int side = scaleForDpi(kGlyphBox, dpi > 0 ? dpi : 96) + 2;
    const int height = objectRect.bottom - objectRect.top;
    const int top = objectRect.top + (height - side) / 2;
    return {objectRect.left, top, objectRect.left + side, top + side};
}

double fractionInRange(double value, double minimum, double maximum) noexcept {
    // Only quiet comparisons (std::isless and friends), and no inf - inf, 0 / 0 or overflow.
    if (std::isnan(value) || std::isnan(minimum) || std::isnan(maximum)) return 0;
    if (!std::isless(minimum, maximum)) return 0;
    if (!std::isgreater(value, minimum)) return 0;
    if (!std::isless(value, maximum)) return 1;
    // Here minimum < value < maximum, so value is finite.
    const bool openBelow = std::isinf(minimum), openAbove = std::isinf(maximum);
    if (openBelow && openAbove) return 0.5;
    if (openBelow) return 1;  // every finite value is infinitely far above the start
    if (openAbove) return 0;
    // Halves keep both differences finite even for ranges near the largest doubles.
    const double span = maximum / 2 - minimum / 2;
    const double part = value / 2 - minimum / 2;
    if (!std::isgreater(span, 0.0)) return 0;
    return clampedFraction(part / span);
}

} // namespace hueloom
