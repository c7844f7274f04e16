#include "theme/theme_state.h"

#include "plugin/process_state.h"
#include "theme/palette.h"

namespace hueloom {

void applyModePalette() {
    ThemeState& theme = process().theme;
    const Palette palette = modePalette(theme.mode == ThemeMode::Light ? SkinMode::Light : SkinMode::Dark);
    theme.controlBack = palette.controlBack;
    theme.controlText = palette.controlText;
    theme.pageBack = palette.pageBack;
    theme.accent = palette.accent;
    theme.active = true;
    rebuildBrushes();
}

void deleteThemeBrushes() {
    ThemeState& theme = process().theme;
    if (theme.controlBrush) DeleteObject(theme.controlBrush);
    if (theme.pageBrush) DeleteObject(theme.pageBrush);
    theme.controlBrush = nullptr;
    theme.pageBrush = nullptr;
}

void rebuildBrushes() {
    deleteThemeBrushes();
    ThemeState& theme = process().theme;
    theme.controlBrush = CreateSolidBrush(theme.controlBack);
    theme.pageBrush = CreateSolidBrush(theme.pageBack);
}

const wchar_t* modeName(ThemeMode mode) {
    switch (mode) {
    case ThemeMode::Dark: return L"Dark";
    case ThemeMode::Light: return L"Light";
    default: return L"System";
    }
}

} // namespace hueloom
