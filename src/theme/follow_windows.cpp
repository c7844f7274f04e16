#include "theme/follow_windows.h"

#include "theme/palette.h"

namespace hueloom {

Mode followedMode(WindowsColorSettings settings) noexcept {
    if (settings.highContrast) return Mode::System;
    return settings.appsDark ? Mode::Dark : Mode::Light;
}

void applyFollowedPalette(ThemeState& theme, Mode mode) {
    const bool defaultAccent = theme.accent == modePalette(Mode::Dark).accent ||
                               theme.accent == modePalette(Mode::Light).accent;
    const Color accent = theme.accent;
    applyModePalette(theme, mode);
    if (!defaultAccent) theme.accent = accent;
}

const wchar_t* scriptModeName(const ThemeState& theme) noexcept {
    return theme.followsWindows ? kAutoModeName : modeName(theme.mode);
}

} // namespace hueloom
