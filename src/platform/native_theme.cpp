#include "platform/native_theme.h"

#include <richedit.h>

#include <string>

#include "platform/system_functions.h"

namespace hueloom {

namespace {

// DWM window attributes for the title bar.
constexpr DWORD kDwmDarkTitleBarBefore18985 = 19;
constexpr DWORD kDwmDarkTitleBar = 20;
constexpr DWORD kDwmCaptionColor = 35;
constexpr DWORD kDwmCaptionTextColor = 36;
constexpr DWORD kDwmDefaultColor = 0xFFFFFFFF;

// Values of the process-wide preference from build 18362 on.
constexpr int kAppModeDefault = 0;
constexpr int kAppModeForceDark = 2;
constexpr int kAppModeForceLight = 3;

void setDwmColor(HWND window, DWORD attribute, std::optional<COLORREF> color) {
    const DWORD value = color ? static_cast<DWORD>(*color) : kDwmDefaultColor;
    systemFunctions().dwmSetWindowAttribute(window, attribute, &value, sizeof value);
}

} // namespace

bool nativeDarkThemeAvailable() {
    return systemFunctions().allowDarkModeForWindow != nullptr && darkModeSupported();
}

void setPreferredAppMode(AppMode mode) {
    const SystemFunctions& functions = systemFunctions();
    if (functions.setPreferredAppMode) {
        if (windowsBuild() >= kBuildAppModeNumbers) {
            const int appMode = mode == AppMode::ForceDark    ? kAppModeForceDark
                                : mode == AppMode::ForceLight ? kAppModeForceLight
                                                              : kAppModeDefault;
            functions.setPreferredAppMode(appMode);
        } else {
            // Older builds take a plain allow-dark flag.
            functions.setPreferredAppMode(mode == AppMode::ForceDark ? 1 : 0);
        }
    }
    if (functions.refreshImmersiveColorPolicyState) functions.refreshImmersiveColorPolicyState();
    if (functions.flushMenuThemes) functions.flushMenuThemes();
}

void allowDarkModeForWindow(HWND window, bool allow) {
    if (auto allowDarkMode = systemFunctions().allowDarkModeForWindow)
        allowDarkMode(window, allow ? TRUE : FALSE);
}

void setWindowThemeName(HWND window, std::wstring_view name) {
    auto setWindowTheme = systemFunctions().setWindowTheme;
    if (!setWindowTheme) return;
    if (name.empty()) {
        setWindowTheme(window, nullptr, nullptr);
        return;
    }
    // SetWindowTheme wants a terminated string; the names are short enough for the stack.
    wchar_t buffer[64];
    if (name.size() < std::size(buffer)) {
        name.copy(buffer, name.size());
        buffer[name.size()] = L'\0';
        setWindowTheme(window, buffer, nullptr);
    } else {
        const std::wstring terminated(name);
        setWindowTheme(window, terminated.c_str(), nullptr);
    }
}

bool canSetTitleBar() noexcept { return systemFunctions().dwmSetWindowAttribute != nullptr; }

void setTitleBarAttributes(HWND window, bool dark, std::optional<COLORREF> caption,
                           std::optional<COLORREF> captionText) {
    auto dwmSetWindowAttribute = systemFunctions().dwmSetWindowAttribute;
    if (!dwmSetWindowAttribute) return;
    const int32_t build = windowsBuild();
    if (build >= kBuildDarkMode) {
        const DWORD attribute = build >= kBuildDwmAttribute20 ? kDwmDarkTitleBar : kDwmDarkTitleBarBefore18985;
        const DWORD value = dark ? 1 : 0;
        dwmSetWindowAttribute(window, attribute, &value, sizeof value);
    }
    if (build >= kBuildCaptionColors) {
        setDwmColor(window, kDwmCaptionColor, caption);
        setDwmColor(window, kDwmCaptionTextColor, captionText);
    }
}

COLORREF setRichEditBackground(HWND window, std::optional<COLORREF> color) {
    const LRESULT previous = color ? SendMessageW(window, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(*color))
                                   : SendMessageW(window, EM_SETBKGNDCOLOR, 1, 0);
    return static_cast<COLORREF>(previous);
}

void setRichEditTextColor(HWND window, std::optional<COLORREF> color) {
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.dwEffects = color ? 0 : CFE_AUTOCOLOR;
    format.crTextColor = color.value_or(0);
    SendMessageW(window, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

std::optional<COLORREF> richEditTextColor(HWND window) {
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    SendMessageW(window, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    if (format.dwEffects & CFE_AUTOCOLOR) return std::nullopt;
    return format.crTextColor;
}

} // namespace hueloom
