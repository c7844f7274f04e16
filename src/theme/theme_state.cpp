#include "theme/theme_state.h"

#include "plugin/process_state.h"

namespace hueloom {

void applyModePalette() {
    ThemeState& theme = process().theme;
    if (theme.mode == ThemeMode::Light) {
        theme.controlBack = makeColor(255, 255, 255);
        theme.controlText = makeColor(0, 0, 0);
        theme.pageBack = makeColor(240, 240, 240);
        theme.accent = makeColor(0, 120, 215);
    } else {
        theme.controlBack = makeColor(32, 32, 32);
        theme.controlText = makeColor(240, 240, 240);
        theme.pageBack = makeColor(24, 24, 24);
        theme.accent = makeColor(61, 100, 249);
    }
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
