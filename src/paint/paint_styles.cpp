#include "paint/paint_styles.h"

#include <algorithm>

#include "paint/paint_geometry.h"

namespace hueloom {

namespace {
constexpr int kOverlayCorner = 3;
constexpr int kOverlayMarkWidth = 2;
constexpr int kOverlayMinimumInset = 2;
constexpr int kTrackBarCorner = 4;
} // namespace

GlyphStyle buttonGlyphStyle(const ThemeState& theme, int dpi) noexcept {
    const GlyphGeometry g = glyphGeometry(dpi);
    return {theme.pageBack, std::nullopt, g.inset, g.inset, g.markWidth};
}

GlyphStyle overlayGlyphStyle(Color background, int boxSize) noexcept {
    return {background, background, kOverlayCorner, std::max(boxSize / 4, kOverlayMinimumInset),
            kOverlayMarkWidth};
}

TrackStyle trackBarStyle(const ThemeState& theme) noexcept { return {theme.pageBack, kTrackBarCorner, false}; }

TrackStyle overlayTrackStyle(Color background, int channelThickness) noexcept {
    return {background, channelThickness, true};
}

} // namespace hueloom
