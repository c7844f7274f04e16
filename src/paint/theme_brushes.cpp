#include "paint/theme_brushes.h"

namespace hueloom {

namespace {
ThemeBrushes g_brushes;
}

ThemeBrushes& themeBrushes() noexcept { return g_brushes; }

void rebuildThemeBrushes(const ThemeState& theme) {
    deleteThemeBrushes();
    g_brushes.control = CreateSolidBrush(theme.controlBack);
    g_brushes.page = CreateSolidBrush(theme.pageBack);
}

void deleteThemeBrushes() {
    if (g_brushes.control) DeleteObject(g_brushes.control);
    if (g_brushes.page) DeleteObject(g_brushes.page);
    g_brushes = ThemeBrushes{};
}

} // namespace hueloom
