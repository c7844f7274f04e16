#pragma once
// The one record of the current theme. Every action that changes the look writes it;
// everything that paints or themes reads it at that moment. Pure data: the brushes made
// from it belong to paint/theme_brushes.h.
#include <cstdint>
#include <optional>
#include <string>

#include "theme/color.h"
#include "theme/mode.h"

namespace hueloom {

struct ThemeState {
    Mode mode = Mode::System;
    bool active = false;               // the plug-in's own control colours are in force
    bool followsWindows = false;       // Auto: `mode` tracks the user's Windows setting
    Color controlBack = 0xFFFFFF;
    Color controlText = 0x000000;
    Color pageBack = 0xF0F0F0;
    std::optional<Color> titleBar;     // nullopt: the system's caption colour
    std::optional<Color> titleText;
    Color accent = 0xF9643D;           // RGB 61,100,249
    bool glyphs = true;
    bool articleText = true;
    std::wstring skinName;
    std::wstring skinFile;
};

// The process's theme (everything runs on the host's GUI thread).
[[nodiscard]] ThemeState& currentTheme() noexcept;
// Process attach: the load-time theme.
void resetCurrentTheme();

// Writes the palette of `mode` (Dark or Light; anything else counts as Dark) into the
// colours and sets `active`.
void applyModePalette(ThemeState& theme, Mode mode);
// The stock look Reset gives back: System mode, no own colours, no caption colours. The
// accent and the switches stay.
void applyStockLook(ThemeState& theme);

} // namespace hueloom
