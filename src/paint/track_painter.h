#pragma once
// The one painter of track bars: a rounded channel, its filled part up to the thumb, and a
// round thumb. Used for custom-drawn native track bars and for the overlays.
#include <windows.h>

#include "paint/paint_styles.h"
#include "theme/theme_state.h"

namespace hueloom {

struct TrackState {
    bool hot = false;
    bool pressed = false;
    bool enabled = true;
};

// Pressed: the accent 20 % towards black; hot: 20 % towards white; disabled: the disabled
// blend on the style's background, whatever else holds.
[[nodiscard]] Color trackThumbColor(const TrackState& state, const ThemeState& theme,
                                    const TrackStyle& style) noexcept;

// The channel in the contrast shade of the background, then `filled` (when not empty) in
// the accent or, with fillFollowsThumb, in the thumb's colour.
void paintTrackChannel(HDC dc, const RECT& channel, const RECT& filled, const TrackState& state,
                       const ThemeState& theme, const TrackStyle& style);
// The thumb: a circle in the thumb's colour with an outline 15 % darker.
void paintTrackThumb(HDC dc, const RECT& circle, const TrackState& state, const ThemeState& theme,
                     const TrackStyle& style);

} // namespace hueloom
