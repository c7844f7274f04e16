#include "overlay/overlay_geometry.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi.h"

namespace hueloom {

namespace {

// The glyph square is the 13-pixel box of the 96-DPI design plus a pixel of margin all round.
constexpr int kGlyphBox = 13;
constexpr int kTrackThickness = 4;
constexpr int kThumbRadius = 8;

// NaN gives 0. Quiet comparisons only: on the x87 an ordered compare of NaN raises.
double clampedFraction(double fraction) noexcept {
    if (std::isnan(fraction) || std::islessequal(fraction, 0.0)) return 0;
    if (std::isgreaterequal(fraction, 1.0)) return 1;
    return fraction;
}

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

int roundHalfEven(double value) noexcept {
    const double below = std::floor(value);
    const double rest = value - below;
    long long result = static_cast<long long>(below);
    if (rest > 0.5 || (rest == 0.5 && (result % 2 != 0))) ++result;
    return static_cast<int>(result);
}

TrackGeometry trackGeometry(int width, int height, int dpi, double fraction) noexcept {
    if (dpi <= 0) dpi = 96;
    fraction = clampedFraction(fraction);

    TrackGeometry g;
    g.vertical = height > width;
    g.thickness = scaleForDpi(kTrackThickness, dpi);
    g.radius = std::min(scaleForDpi(kThumbRadius, dpi), (g.vertical ? width : height) / 2 - 1);
    const int margin = g.radius + 2;

    if (g.vertical) {
        const int centre = width / 2;
        g.channel.left = centre - g.thickness / 2;
        g.channel.right = g.channel.left + g.thickness;
        g.channel.top = margin;
        g.channel.bottom = height - margin;
        g.thumbCentre = {centre,
                         roundHalfEven(g.channel.bottom - (g.channel.bottom - g.channel.top) * fraction)};
        g.filled = g.channel;
        g.filled.top = g.thumbCentre.y;
    } else {
        const int centre = height / 2;
        g.channel.top = centre - g.thickness / 2;
        g.channel.bottom = g.channel.top + g.thickness;
        g.channel.left = margin;
        g.channel.right = width - margin;
        g.thumbCentre = {roundHalfEven(g.channel.left + (g.channel.right - g.channel.left) * fraction),
                         centre};
        g.filled = g.channel;
        g.filled.right = g.thumbCentre.x;
    }
    return g;
}

CheckMark checkMark(int left, int top, int size) noexcept {
    return {{{left + size * 22 / 100, top + size * 52 / 100},
             {left + size * 42 / 100, top + size * 73 / 100},
             {left + size * 79 / 100, top + size * 30 / 100}}};
}

} // namespace hueloom
