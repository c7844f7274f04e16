#include "paint/theme_brushes.h"

#include "platform/gdi.h"

namespace hueloom {

namespace {
ThemeBrushes g_brushes;
}

ThemeBrushes& themeBrushes() noexcept { return g_brushes; }

bool rebuildThemeBrushes(const ThemeState& theme) {
    // Both new ones first: without either, the old pair stays, whole.
    Brush control = solidBrush(theme.controlBack);
    Brush page = solidBrush(theme.pageBack);
    if (!control || !page) return false;
    deleteThemeBrushes();
    g_brushes.control = control.release();
    g_brushes.page = page.release();
    return true;
}

void deleteThemeBrushes() {
    if (g_brushes.control) DeleteObject(g_brushes.control);
    if (g_brushes.page) DeleteObject(g_brushes.page);
    g_brushes = ThemeBrushes{};
}

} // namespace hueloom
