#include "plugin/live_settings.h"

#include "actions/skin_variables.h"
#include "engine/settings_watch.h"
#include "plugin/bridge_action_host.h"

namespace hueloom {

void publishSettingsChange(bool themeChanged) {
    BridgeActionHost host;
    exportWindowsSettingVariables(host, settingsWatchState().settings);
    if (themeChanged) exportSkinVariables(host);
}

} // namespace hueloom
