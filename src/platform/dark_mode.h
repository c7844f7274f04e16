#pragma once
// Native dark/light rendering of the process and of each window, rich-edit colours and
// the title-bar attributes of the desktop window manager.
#include <windows.h>

#include <string_view>

#include "engine/control_kind.h"

namespace hueloom {

void setAppDarkMode();
void applyDarkModeToWindow(HWND window, ControlKind kind);
// An empty name resets the window to its default theme.
void setWindowThemeName(HWND window, std::wstring_view name);
void applyRichEditColors(HWND window, bool themed);
void applyTitleBar(HWND window);

// The visual-style name for a kind in the current mode ("" for the default theme).
const wchar_t* themeNameFor(ControlKind kind);

} // namespace hueloom
