#include "paint/menu_bar_painter.h"

#include "paint/face_colors.h"
#include "platform/gdi.h"

namespace hueloom {

Color menuBarColor(const ThemeState& theme) noexcept { return theme.pageBack; }

void paintMenuBarBackground(HDC dc, const RECT& bar, const ThemeState& theme) {
    const Brush brush = solidBrush(menuBarColor(theme));
    FillRect(dc, &bar, brush.get());
}

void paintMenuBarItem(HDC dc, const RECT& item, std::wstring_view text, const MenuBarItemLook& look,
                      const ThemeState& theme) {
    FaceState state;
    state.enabled = look.enabled;
    state.hot = look.hot;
    state.pressed = look.selected;
    // A greyed item still shows where the mouse is.
    const Color base = menuBarColor(theme);
    const Color back = faceShade(base, theme.controlText, {state.hot, state.pressed, true});
    const Brush brush = solidBrush(back);
    FillRect(dc, &item, brush.get());
    if (text.empty()) return;

    RECT area = item;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, faceText(base, theme.controlText, state));
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | (look.hidePrefix ? DT_HIDEPREFIX : 0));
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

} // namespace hueloom
