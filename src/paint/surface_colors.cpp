#include "paint/surface_colors.h"

#include "paint/paint_colors.h"

namespace hueloom {

Surface surfaceOn(Color back, Color text) noexcept {
    return {back,
            blendColors(back, text, kFacePercent),
            blendColors(back, text, kHotFacePercent),
            blendColors(back, text, kPressedFacePercent),
            blendColors(back, text, kFramePercent),
            text,
            disabledColor(back, text)};
}

Surface controlSurface(const ThemeState& theme) noexcept { return surfaceOn(theme.controlBack, theme.controlText); }

Surface pageSurface(const ThemeState& theme) noexcept { return surfaceOn(theme.pageBack, theme.controlText); }

ItemColors selectedItemColors(const ThemeState& theme) noexcept {
    return {theme.accent, checkMarkColor(theme.accent)};
}

ItemColors hotItemColors(const ThemeState& theme) noexcept {
    return {blendColors(theme.controlBack, theme.accent, kHotItemAccentPercent), theme.controlText};
}

} // namespace hueloom
