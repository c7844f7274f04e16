#pragma once
// The menu bars of the publication's top-level windows in the theme's colours, on builds
// with a native dark theme: the system asks such a window to draw its bar through
// undocumented messages (platform/uah_menu.h), which a subclass answers; it also covers the
// light line the system draws under the bar. Popup menus follow the process-wide
// preference. Without a native dark theme the system never asks, and the bar stays light.
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

// A theme with colours in force, a native dark theme, and a menu on `window`: the subclass
// goes on (once) and the frame is redrawn.
void themeMenuBar(HWND window);
// Every menu-bar subclass off and the frames redrawn.
void removeMenuBarTheming();

LRESULT CALLBACK menuBarSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR subclassId, DWORD_PTR refData);

} // namespace hueloom
