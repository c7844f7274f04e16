#pragma once
// Where the native controls' look and the overlays' look differ on purpose, in one place.
// The painters (glyph_painter.h, track_painter.h) take these styles; everything else about
// the look is shared.
#include <optional>

#include "theme/color.h"
#include "theme/theme_state.h"

namespace hueloom {

struct GlyphStyle {
    Color background;               // what the glyph sits on; its border shade comes from it
    std::optional<Color> surround;  // when set, a 1-pixel frame round the box is filled first
    int corner;                     // of the check box
    int inset;                      // of the radio dot and the indeterminate bar
    int markWidth;                  // pen width of the check mark
};

struct TrackStyle {
    Color background;          // what the track sits on; the channel shade comes from it
    int channelCorner;
    // The filled part of the channel takes the thumb's hot or disabled shade; otherwise it
    // stays in the accent colour.
    bool fillFollowsThumb;
};

// Owner-drawn check boxes and radio buttons: on the page colour, the 96-DPI design scaled
// to the DC (corner and dot inset 3, mark 2 pixels wide at 96 DPI).
[[nodiscard]] GlyphStyle buttonGlyphStyle(const ThemeState& theme, int dpi) noexcept;
// Overlays: on the binding's back colour, which also frames the box; the box fills the
// overlay, so the dot inset is a quarter of it (at least 2), the corner 3 and the mark
// 2 pixels wide at any size.
[[nodiscard]] GlyphStyle overlayGlyphStyle(Color background, int boxSize) noexcept;

// Custom-drawn track bars: on the page colour, a channel with corners of 4 pixels (the
// system gives its size), the filled part always in the accent colour.
[[nodiscard]] TrackStyle trackBarStyle(const ThemeState& theme) noexcept;
// Overlays: on the binding's back colour, corners as round as the channel is thick, the
// filled part shaded with the thumb.
[[nodiscard]] TrackStyle overlayTrackStyle(Color background, int channelThickness) noexcept;

} // namespace hueloom
