#pragma once
// Auto: the look the user's Windows settings ask for, and what a live switch of them does
// to the theme. Pure.
#include "theme/mode.h"
#include "theme/theme_state.h"

namespace hueloom {

// What Windows asks applications for right now.
struct WindowsColorSettings {
    bool appsDark = false;      // "apps use light theme" is 0
    bool highContrast = false;  // the user's high-contrast colours are on
    friend bool operator==(const WindowsColorSettings&, const WindowsColorSettings&) = default;
};

// High contrast wins over the dark setting: its colours are the user's own, so Auto then
// gives the stock look (System).
[[nodiscard]] Mode followedMode(WindowsColorSettings settings) noexcept;

// A live switch to Dark or Light: the base colours of that mode's palette. An accent of the
// author's own survives the switch; one that is still a mode's default follows the mode.
// Caption colours and the switches stay as the script left them.
void applyFollowedPalette(ThemeState& theme, Mode mode);

// What [Skin.Mode] says: "Auto" while following Windows, else the mode's name.
[[nodiscard]] const wchar_t* scriptModeName(const ThemeState& theme) noexcept;

} // namespace hueloom
