#include "paint/paint_geometry.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi.h"

namespace hueloom {

namespace {

constexpr int kTrackThickness = 4;
constexpr int kThumbRadius = 8;

} // namespace

GlyphGeometry glyphGeometry(int dpi) noexcept {
    if (dpi <= 0) dpi = 96;
    return {scaleForDpi(13, dpi), scaleForDpi(6, dpi), scaleForDpi(3, dpi), scaleForDpi(2, dpi)};
}

CheckMark checkMark(int left, int top, int size) noexcept {
    return {{{left + size * 22 / 100, top + size * 52 / 100},
             {left + size * 42 / 100, top + size * 73 / 100},
             {left + size * 79 / 100, top + size * 30 / 100}}};
}

double clampedFraction(double fraction) noexcept {
    if (std::isnan(fraction) || std::islessequal(fraction, 0.0)) return 0;
    if (std::isgreaterequal(fraction, 1.0)) return 1;
    return fraction;
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

} // namespace hueloom
