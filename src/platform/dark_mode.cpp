#include "platform/dark_mode.h"
namespace hueloom {
void setAppDarkMode() {}
void applyDarkModeToWindow(HWND, ControlKind) {}
void setWindowThemeName(HWND, std::wstring_view) {}
void applyRichEditColors(HWND, bool) {}
void applyTitleBar(HWND) {}
const wchar_t* themeNameFor(ControlKind) { return L""; }
}
