#include "paint/track_painter.h"

#include "paint/paint_colors.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {

constexpr int32_t kPressedShadePercent = 20;
constexpr int32_t kHotLightPercent = 20;
constexpr int32_t kThumbOutlinePercent = 15;

// A RoundRect or Ellipse with a 1-pixel outline and a fill, each in its own colour.
template <class Draw>
void drawShape(HDC dc, Color outline, Color fill, Draw&& draw) {
    const Pen pen = solidPen(outline);
    const Brush brush = solidBrush(fill);
    const SelectGuard penGuard(dc, pen.get());
    const SelectGuard brushGuard(dc, brush.get());
    draw();
}

void roundBar(HDC dc, const RECT& bar, int corner, Color color) {
    drawShape(dc, color, color, [&] { RoundRect(dc, bar.left, bar.top, bar.right, bar.bottom, corner, corner); });
}

} // namespace

Color trackThumbColor(const TrackState& state, const ThemeState& theme, const TrackStyle& style) noexcept {
    if (!state.enabled) return disabledColor(style.background, theme.controlText);
    if (state.pressed) return blendColors(theme.accent, kBlack, kPressedShadePercent);
    if (state.hot) return blendColors(theme.accent, kWhite, kHotLightPercent);
    return theme.accent;
}

void paintTrackChannel(HDC dc, const RECT& channel, const RECT& filled, const TrackState& state,
                       const ThemeState& theme, const TrackStyle& style) {
    roundBar(dc, channel, style.channelCorner, contrastShade(style.background));
    if (filled.right <= filled.left || filled.bottom <= filled.top) return;
    const Color fill = style.fillFollowsThumb ? trackThumbColor(state, theme, style) : theme.accent;
    roundBar(dc, filled, style.channelCorner, fill);
}

void paintTrackThumb(HDC dc, const RECT& circle, const TrackState& state, const ThemeState& theme,
                     const TrackStyle& style) {
    const Color fill = trackThumbColor(state, theme, style);
    drawShape(dc, blendColors(fill, kBlack, kThumbOutlinePercent), fill,
              [&] { Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom); });
}

} // namespace hueloom
