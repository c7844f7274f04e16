#pragma once
// The one home of the plug-in's process-wide state. Everything runs on the host's GUI
// thread, so there are no locks.
#include <windows.h>

#include "engine/auto_refresh.h"
#include "engine/registry.h"
#include "overlay/overlay_binding.h"
#include "platform/system_functions.h"
#include "plugin/host_bridge.h"
#include "theme/theme_state.h"

namespace hueloom {

struct ProcessState {
    HMODULE module = nullptr;
    HWND hostWindow = nullptr;
    bool shuttingDown = false;
    bool modulePinned = false;

    HostCallbacks host;
    ThemeState theme;
    SystemFunctions system;
    ThemedWindowRegistry windows;
    OverlayState overlays;
    AutoRefreshState autoRefresh;
    HWND hoverButton = nullptr;  // the glyph button under the mouse
    int32_t skinSubroutineDepth = 0;  // Apply subroutines running inside each other
};

ProcessState& process();

} // namespace hueloom
