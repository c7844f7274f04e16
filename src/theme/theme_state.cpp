#include "theme/theme_state.h"

#include "theme/palette.h"

namespace hueloom {

namespace {
ThemeState g_theme;
}

ThemeState& currentTheme() noexcept { return g_theme; }

void resetCurrentTheme() { g_theme = ThemeState{}; }

void applyModePalette(ThemeState& theme, Mode mode) {
    theme.mode = mode == Mode::Light ? Mode::Light : Mode::Dark;
    const Palette palette = modePalette(theme.mode);
    theme.controlBack = palette.controlBack;
    theme.controlText = palette.controlText;
    theme.pageBack = palette.pageBack;
    theme.accent = palette.accent;
    theme.active = true;
}

void applyStockLook(ThemeState& theme) {
    const Palette stock = modePalette(Mode::System);
    theme.mode = Mode::System;
    theme.active = false;
    theme.titleBar.reset();
    theme.titleText.reset();
    theme.controlBack = stock.controlBack;
    theme.controlText = stock.controlText;
    theme.pageBack = stock.pageBack;
}

} // namespace hueloom
