#pragma once
// The menu bar of a top-level window in the theme's colours, drawn when the system asks
// for it (builds with a native dark theme).
#include <windows.h>

#include <string_view>

#include "theme/theme_state.h"

namespace hueloom {

struct MenuBarItemLook {
    bool hot = false;       // under the mouse, or chosen by keyboard
    bool selected = false;  // its menu is open
    bool enabled = true;    // neither greyed nor in an inactive window
    bool hidePrefix = false;
};

// The bar, and the line under it that the system draws, take the page colour; items are
// faces on the page surface.
[[nodiscard]] Color menuBarColor(const ThemeState& theme) noexcept;
void paintMenuBarBackground(HDC dc, const RECT& bar, const ThemeState& theme);
// Background shaded like a face, the text centred in the DC's font.
void paintMenuBarItem(HDC dc, const RECT& item, std::wstring_view text, const MenuBarItemLook& look,
                      const ThemeState& theme);

} // namespace hueloom
