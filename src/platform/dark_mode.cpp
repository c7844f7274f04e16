#include "platform/dark_mode.h"

#include <richedit.h>

#include <string>

#include "engine/glyph_button.h"
#include "plugin/process_state.h"

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

constexpr LONG kButtonTypeMask = 0xF;
constexpr LONG kGroupBoxType = BS_GROUPBOX;

constexpr wchar_t kDarkComboName[] = L"DarkMode_CFD";
constexpr wchar_t kLightComboName[] = L"CFD";
constexpr wchar_t kDarkName[] = L"DarkMode_Explorer";
constexpr wchar_t kLightName[] = L"Explorer";

bool isLightOrDefaultName(std::wstring_view name) {
    return name.empty() || name == kLightName || name == kLightComboName;
}

void setDwmColor(HWND window, DWORD attribute, int32_t color, bool useColor) {
    const DWORD value = (useColor && color >= 0) ? static_cast<DWORD>(color) : kDwmDefaultColor;
    process().system.dwmSetWindowAttribute(window, attribute, &value, sizeof value);
}

} // namespace

const wchar_t* themeNameFor(ControlKind kind) {
    const ThemeMode mode = process().theme.mode;
    if (mode == ThemeMode::System) return L"";
    const bool dark = mode == ThemeMode::Dark;
    switch (kind) {
    case ControlKind::ComboBox:
        return dark ? kDarkComboName : kLightComboName;
    case ControlKind::None:
    case ControlKind::HostCheckBox:
    case ControlKind::HostRadioButton:
    case ControlKind::HostTrackBar:
        return L"";
    default:
        return dark ? kDarkName : kLightName;
    }
}

void setAppDarkMode() {
    const SystemFunctions& functions = process().system;
    const ThemeMode mode = process().theme.mode;
    if (functions.setPreferredAppMode) {
        if (windowsBuild() >= kBuildAppModeNumbers) {
            const int appMode = mode == ThemeMode::Dark    ? kAppModeForceDark
                                : mode == ThemeMode::Light ? kAppModeForceLight
                                                           : kAppModeDefault;
            functions.setPreferredAppMode(appMode);
        } else {
            // Older builds take a plain allow-dark flag.
            functions.setPreferredAppMode(mode == ThemeMode::Dark ? 1 : 0);
        }
    }
    if (functions.refreshImmersiveColorPolicyState) functions.refreshImmersiveColorPolicyState();
    if (functions.flushMenuThemes) functions.flushMenuThemes();
}

void setWindowThemeName(HWND window, std::wstring_view name) {
    auto setWindowTheme = process().system.setWindowTheme;
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

void applyRichEditColors(HWND window, bool themed) {
    const ThemeState& theme = process().theme;
    if (themed && theme.active) {
        SendMessageW(window, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(theme.controlBack));
        if (theme.articleText) {
            CHARFORMATW format{};
            format.cbSize = sizeof format;
            format.dwMask = CFM_COLOR;
            format.dwEffects = 0;
            format.crTextColor = theme.controlText;
            SendMessageW(window, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
        }
    } else {
        // Back to the system background; the text colour is left as it is.
        SendMessageW(window, EM_SETBKGNDCOLOR, 1, 0);
    }
}

void applyDarkModeToWindow(HWND window, ControlKind kind) {
    const SystemFunctions& functions = process().system;
    const ThemeMode mode = process().theme.mode;
    const bool dark = mode == ThemeMode::Dark;

    if (functions.allowDarkModeForWindow) functions.allowDarkModeForWindow(window, dark ? TRUE : FALSE);

    // Below build 17763 the "DarkMode_" names do not exist: the window keeps its theme.
    const std::wstring_view name = themeNameFor(kind);
    if (isLightOrDefaultName(name) || darkModeSupported()) setWindowThemeName(window, name);

    if (kind == ControlKind::RichEdit) applyRichEditColors(window, mode != ThemeMode::System);

    if (kind == ControlKind::CheckOrRadio && mode != ThemeMode::System) {
        const LONG buttonType = GetWindowLongW(window, GWL_STYLE) & kButtonTypeMask;
        if (buttonType != kGroupBoxType) installGlyphSubclass(window);
    }
}

void applyTitleBar(HWND window) {
    ProcessState& state = process();
    if (!state.system.dwmSetWindowAttribute) return;
    if (!state.windows.titleBarWindows.contains(window)) state.windows.titleBarWindows.set(window, 1);

    const int32_t build = windowsBuild();
    const ThemeState& theme = state.theme;
    if (build >= kBuildDarkMode) {
        const DWORD attribute = build >= kBuildDwmAttribute20 ? kDwmDarkTitleBar : kDwmDarkTitleBarBefore18985;
        const DWORD value = theme.mode == ThemeMode::Dark ? 1 : 0;
        state.system.dwmSetWindowAttribute(window, attribute, &value, sizeof value);
    }
    if (build >= kBuildCaptionColors) {
        // System mode always gives the caption back its default colours.
        const bool useColors = theme.mode != ThemeMode::System;
        setDwmColor(window, kDwmCaptionColor, theme.titleBar, useColors);
        setDwmColor(window, kDwmCaptionTextColor, theme.titleText, useColors);
    }
}

} // namespace hueloom
