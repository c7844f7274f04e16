// Refresh, AutoRefresh, GetInfo, BeginUpdate, EndUpdate and ListWindows: the actions about
// the windows and the plug-in itself rather than the theme.
#include "actions/action_result.h"
#include "actions/skin_variables.h"
#include "actions/theme_actions.h"
#include "common/text.h"
#include "common/version.h"
#include "engine/auto_refresh.h"
#include "engine/host_window.h"
#include "engine/settings_watch.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "engine/window_list.h"
#include "platform/system_functions.h"

namespace hueloom {

namespace {
const wchar_t* flag(bool on) { return on ? L"1" : L"0"; }
} // namespace

ActionResult refreshAction(ActionParams, ActionHost&) {
    refreshWindows(RefreshScope::AllWindows);
    return answerAfterPass(succeeded());
}

ActionResult autoRefreshAction(ActionParams params, ActionHost& host) {
    const bool on = !isOffWord(params[0]);
    if (on) startAutoRefresh();
    else stopAutoRefresh();
    host.setVariable(L"[Skin.AutoRefresh]", flag(autoRefreshRunning()));
    // Without the host's main window there is nothing to refresh yet: it stays off, as documented.
    if (on && hostWindow() && !autoRefreshRunning())
        return failed(L"Cannot start automatic refresh: Windows has no timer to spare");
    return succeeded();
}

ActionResult getInfoAction(ActionParams, ActionHost& host) {
    loadSystemFunctions();
    host.setVariable(L"[Skin.Build]", decimalText(windowsBuild()));
    host.setVariable(L"[Skin.Supported]", flag(darkModeSupported()));
    host.setVariable(L"[Skin.Version]", kPluginVersion);
    host.setVariable(L"[Skin.AutoRefresh]", flag(autoRefreshRunning()));
    startSettingsWatch();  // from now on the two are kept current
    exportWindowsSettingVariables(host, currentWindowsSettings());
    exportSkinVariables(host);
    return succeeded();
}

ActionResult beginUpdateAction(ActionParams, ActionHost&) {
    beginUpdate();
    return silent();
}

ActionResult endUpdateAction(ActionParams, ActionHost&) {
    endUpdate(UpdateEnd::OneLevel);
    return silent();
}

ActionResult listWindowsAction(ActionParams, ActionHost& host) {
    const WindowList list = listWindows();
    host.setVariable(L"[Skin.Windows]", list.text);
    host.setVariable(L"[Skin.WindowCount]", decimalText(list.count));
    return succeeded();
}

} // namespace hueloom
