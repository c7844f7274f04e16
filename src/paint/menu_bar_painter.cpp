#include "paint/menu_bar_painter.h"

#include "paint/face_painter.h"
#include "paint/solid_drawing.h"

namespace hueloom {

Color menuBarColor(const ThemeState& theme) noexcept { return theme.pageBack; }

void paintMenuBarBackground(HDC dc, const RECT& bar, const ThemeState& theme) {
    fillSolid(dc, bar, menuBarColor(theme));
}

void paintMenuBarItem(HDC dc, const RECT& item, std::wstring_view text, const MenuBarItemLook& look,
                      const ThemeState& theme) {
    const Surface surface = pageSurface(theme);
    // A greyed item still shows where the mouse is.
    fillSolid(dc, item, pressableShade(surface, {look.hot, look.selected, true}, surface.back));
    drawPlainText(dc, text, item, pressableText(surface, {false, false, look.enabled}),
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | (look.hidePrefix ? DT_HIDEPREFIX : 0));
}

} // namespace hueloom
