#include "plugin/lifecycle.h"

#include "engine/auto_refresh.h"
#include "engine/engine_state.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "engine/settings_watch.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "overlay/overlay_binding.h"
#include "paint/theme_brushes.h"
#include "platform/module_pin.h"
#include "platform/process_lifetime.h"
#include "platform/system_functions.h"
#include "platform/windows_color_settings.h"
#include "plugin/host_bridge.h"
#include "plugin/live_settings.h"
#include "theme/theme_state.h"

namespace hueloom {

void pluginStartup() {
    setShuttingDown(false);
    forgetModulePin();
    resetSystemFunctions();
    forgetSettingsKeyWatch();
    resetHostCallbacks();
    resetCurrentTheme();
    deleteThemeBrushes();
    resetEngineState();
    resetOverlayState();
    // The overlays read bound variables through the host, which they do not know.
    setBoundVariableReader(HostBridge::getVariable);
    // Likewise the variables that follow Windows' settings between actions.
    setSettingsChangeListener(publishSettingsChange);
}

void pluginTeardown() {
    setShuttingDown(true);
    clearEngineState();  // kills the timers
    deleteThemeBrushes();
    overlayState().bindings.clear();
    forgetSettingsKeyWatch();
    forgetSystemModules();
}

void handleHostMessage(int32_t code) {
    if (shuttingDown()) return;
    switch (static_cast<HostMessage>(code)) {
    case HostMessage::PublicationStarts:
        recordPreexistingWindows();
        break;
    case HostMessage::PublicationCloses:
        endUpdate(UpdateEnd::AllLevels);
        stopAutoRefresh();
        cancelDeferredPass();
        currentTheme().followsWindows = false;
        if (currentTheme().mode != Mode::System || !windowRegistry().colorSubclassed.empty()) restoreStockLook();
        stopSettingsWatch();
        forgetPreexistingWindows();
        break;
    case HostMessage::PageChanging:
        // Sent before the next page is shown: theme what exists now, and what the page
        // brings once the host has built and shown it.
        if (currentTheme().mode != Mode::System) {
            refreshWindows(RefreshScope::NewWindowsOnly);
            scheduleDeferredPass();
        }
        break;
    default:
        break;
    }
}

} // namespace hueloom
