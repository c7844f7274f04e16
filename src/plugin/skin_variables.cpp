#include "plugin/skin_variables.h"

#include "common/text.h"
#include "plugin/host_bridge.h"
#include "plugin/process_state.h"
#include "theme/color.h"

namespace hueloom {

namespace {

std::wstring titleColorText(int32_t value) {
    // Empty for the system default, so a script can tell it from black.
    return value < 0 ? std::wstring() : formatColor(static_cast<Color>(value));
}

} // namespace

void exportSkinVariables() {
    const ThemeState& theme = process().theme;
    HostBridge::setVariable(L"[Skin.Mode]", modeName(theme.mode));
    HostBridge::setVariable(L"[Skin.ControlBack]", formatColor(theme.controlBack));
    HostBridge::setVariable(L"[Skin.ControlText]", formatColor(theme.controlText));
    HostBridge::setVariable(L"[Skin.PageColor]", formatColor(theme.pageBack));
    HostBridge::setVariable(L"[Skin.Accent]", formatColor(theme.accent));
    HostBridge::setVariable(L"[Skin.Glyphs]", theme.glyphs ? L"1" : L"0");
    HostBridge::setVariable(L"[Skin.TitleBar]", titleColorText(theme.titleBar));
    HostBridge::setVariable(L"[Skin.TitleText]", titleColorText(theme.titleText));
}

int32_t getInfo() {
    loadSystemFunctions();
    HostBridge::setVariable(L"[Skin.Build]", decimalText(windowsBuild()));
    HostBridge::setVariable(L"[Skin.Supported]", darkModeSupported() ? L"1" : L"0");
    HostBridge::setVariable(L"[Skin.Version]", kPluginVersion);
    HostBridge::setVariable(L"[Skin.AutoRefresh]", process().autoRefresh.running ? L"1" : L"0");
    exportSkinVariables();
    HostBridge::setLastError(L"OK");
    return 1;
}

} // namespace hueloom
