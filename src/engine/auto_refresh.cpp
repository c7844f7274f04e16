#include "engine/auto_refresh.h"

#include "engine/host_window.h"
#include "engine/registry.h"
#include "engine/settings_watch.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "overlay/bindings.h"
#include "platform/module_pin.h"
#include "platform/process_lifetime.h"
#include "platform/system_functions.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {
constexpr int32_t kTicksBetweenPrunes = 20;
} // namespace

void startAutoRefresh() {
    AutoRefreshState& state = autoRefreshState();
    if (state.running || !hostWindow()) return;
    if (systemFunctions().resources.setTimer(hostWindow(), kAutoRefreshTimerId, kAutoRefreshPeriodMs,
                                             autoRefreshTick)) {
        state.running = true;
        pinModule();  // the timer calls into this module
    }
}

void stopAutoRefresh() {
    AutoRefreshState& state = autoRefreshState();
    if (!state.running) return;
    KillTimer(hostWindow(), kAutoRefreshTimerId);
    state.running = false;
}

void scheduleDeferredPass() {
    AutoRefreshState& state = autoRefreshState();
    if (state.deferredPassPending || !hostWindow() || shuttingDown()) return;
    // A zero period is raised to the system's minimum: the timer fires as soon as the host's
    // loop has nothing else queued, that is after the new page has been shown.
    if (systemFunctions().resources.setTimer(hostWindow(), kDeferredPassTimerId, 0, deferredPassTick)) {
        state.deferredPassPending = true;
        pinModule();
    }
}

void cancelDeferredPass() {
    AutoRefreshState& state = autoRefreshState();
    if (!state.deferredPassPending) return;
    KillTimer(hostWindow(), kDeferredPassTimerId);
    state.deferredPassPending = false;
}

void CALLBACK deferredPassTick(HWND, UINT, UINT_PTR, DWORD) {
    cancelDeferredPass();
    if (shuttingDown() || currentTheme().mode == Mode::System) return;
    refreshWindows(RefreshScope::NewWindowsOnly);
}

void CALLBACK autoRefreshTick(HWND, UINT, UINT_PTR, DWORD) {
    if (shuttingDown()) return;

    const ThemedWindowRegistry& windows = windowRegistry();
    if (windows.updateDepth > 0 && monotonicMs() - windows.freezeStartMs > kFreezeTimeoutMs) {
        endUpdate(UpdateEnd::AllLevels);
    }

    AutoRefreshState& state = autoRefreshState();
    if (!state.running) return;
    // Before the pass: Auto may switch the look, or give the stock look in high contrast.
    try {
        checkWindowsSettings(SettingsRead::IfNotified);
    } catch (...) {
    }
    if (currentTheme().mode == Mode::System) return;
    state.refreshTickCount += 1;
    refreshWindows(RefreshScope::NewWindowsOnly);
    if (hasOverlays()) syncAllOverlays();
    if (state.refreshTickCount >= kTicksBetweenPrunes) {
        state.refreshTickCount = 0;
        pruneRegistries();
    }
}

} // namespace hueloom
