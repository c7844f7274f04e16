#include "actions/skin_variables.h"

#include <optional>

#include "theme/color.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

std::wstring titleColorText(std::optional<Color> color) {
    // Empty for the system default, so a script can tell it from black.
    return color ? formatColor(*color) : std::wstring();
}

} // namespace

void exportSkinVariables(ActionHost& host) {
    const ThemeState& theme = currentTheme();
    host.setVariable(L"[Skin.Mode]", scriptModeName(theme));
    host.setVariable(L"[Skin.ControlBack]", formatColor(theme.controlBack));
    host.setVariable(L"[Skin.ControlText]", formatColor(theme.controlText));
    host.setVariable(L"[Skin.PageColor]", formatColor(theme.pageBack));
    host.setVariable(L"[Skin.Accent]", formatColor(theme.accent));
    host.setVariable(L"[Skin.Glyphs]", theme.glyphs ? L"1" : L"0");
    host.setVariable(L"[Skin.TitleBar]", titleColorText(theme.titleBar));
    host.setVariable(L"[Skin.TitleText]", titleColorText(theme.titleText));
}

void exportWindowsSettingVariables(ActionHost& host, WindowsColorSettings settings) {
    host.setVariable(L"[Skin.SystemDark]", settings.appsDark ? L"1" : L"0");
    host.setVariable(L"[Skin.HighContrast]", settings.highContrast ? L"1" : L"0");
}

} // namespace hueloom
