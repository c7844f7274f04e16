#include "engine/native_theming.h"

#include <string_view>

#include "engine/control_colors.h"
#include "engine/control_painting.h"
#include "engine/fallback_painting.h"
#include "engine/glyph_button.h"
#include "engine/registry.h"
#include "platform/native_theme.h"
#include "platform/system_functions.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr LONG kButtonTypeMask = 0xF;
constexpr LONG kGroupBoxType = BS_GROUPBOX;

constexpr wchar_t kDarkComboName[] = L"DarkMode_CFD";
constexpr wchar_t kLightComboName[] = L"CFD";
constexpr wchar_t kDarkName[] = L"DarkMode_Explorer";
constexpr wchar_t kLightName[] = L"Explorer";

bool isLightOrDefaultName(std::wstring_view name) {
    return name.empty() || name == kLightName || name == kLightComboName;
}

} // namespace

const wchar_t* themeNameFor(ControlKind kind, Mode mode) noexcept {
    if (mode == Mode::System) return L"";
    const bool dark = mode == Mode::Dark;
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

void applyAppMode() {
    const Mode mode = currentTheme().mode;
    setPreferredAppMode(mode == Mode::Dark    ? AppMode::ForceDark
                        : mode == Mode::Light ? AppMode::ForceLight
                                              : AppMode::Default);
}

bool applyNativeTheme(HWND window, ControlKind kind) {
    const ThemeState& theme = currentTheme();
    allowDarkModeForWindow(window, theme.mode == Mode::Dark);

    // Below build 17763 the "DarkMode_" names do not exist: the window keeps its theme.
    const std::wstring_view name = themeNameFor(kind, theme.mode);
    if (isLightOrDefaultName(name) || darkModeSupported()) setWindowThemeName(window, name);

    applyControlColors(window, kind);

    bool finished = true;
    if (kind == ControlKind::CheckOrRadio && theme.mode != Mode::System) {
        const LONG buttonType = GetWindowLongW(window, GWL_STYLE) & kButtonTypeMask;
        if (buttonType != kGroupBoxType) finished = installGlyphSubclass(window);
    }
    if (theme.mode != Mode::System) finished = installControlPainter(window, kind) && finished;
    // Only where the system has no dark theme for it.
    finished = installFallbackPainter(window, kind) && finished;
    return finished;
}

void applyTitleBar(HWND window) {
    if (!canSetTitleBar()) return;
    windowRegistry().titleBarWindows.insert(window);
    const ThemeState& theme = currentTheme();
    // System mode always gives the caption back its default colours.
    const bool useColors = theme.mode != Mode::System;
    setTitleBarAttributes(window, theme.mode == Mode::Dark, useColors ? theme.titleBar : std::nullopt,
                          useColors ? theme.titleText : std::nullopt);
}

} // namespace hueloom
