#include "plugin/lifecycle.h"

#include "engine/auto_refresh.h"
#include "engine/subclass_ids.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "plugin/process_state.h"
#include "theme/theme_actions.h"

namespace hueloom {

namespace {

constexpr int kMaxOwnerSteps = 16;

BOOL CALLBACK recordPreexisting(HWND window, LPARAM) {
    ProcessState& state = process();
    if (window != state.hostWindow) state.windows.preexistingWindows.set(window, 1);
    return TRUE;
}

} // namespace

void pluginStartup(HMODULE module) {
    ProcessState& state = process();
    // The exchange buffers live for the whole process; keep them across a re-start.
    char* nameBuffer = state.host.nameBuffer;
    char* valueBuffer = state.host.valueBuffer;
    state = ProcessState{};
    state.module = module;
    state.host.nameBuffer = nameBuffer;
    state.host.valueBuffer = valueBuffer;
}

void pluginTeardown() {
    ProcessState& state = process();
    state.shuttingDown = true;
    if (state.autoRefresh.running) {
        KillTimer(state.hostWindow, kAutoRefreshTimerId);
        state.autoRefresh.running = false;
    }
    if (state.autoRefresh.deferredPassPending) {
        KillTimer(state.hostWindow, kDeferredPassTimerId);
        state.autoRefresh.deferredPassPending = false;
    }
    deleteThemeBrushes();
    ThemedWindowRegistry& windows = state.windows;
    windows.themedControls.clear();
    windows.colorSubclassed.clear();
    windows.titleBarWindows.clear();
    windows.preexistingWindows.clear();
    windows.frozenWindows.clear();
    windows.glyphSubclassed.clear();
    state.overlays.bindings.clear();
    forgetSystemModules();
}

void pinModule() {
    ProcessState& state = process();
    if (state.modulePinned) return;
    HMODULE self = nullptr;
    if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(&pinModule), &self)) {
        state.modulePinned = true;
    }
}

void handleHostMessage(int32_t code) {
    ProcessState& state = process();
    if (state.shuttingDown) return;
    switch (code) {
    case 1:
        state.windows.preexistingWindows.clear();
        EnumThreadWindows(GetCurrentThreadId(), recordPreexisting, 0);
        break;
    case 2:
        endUpdate(true);
        stopAutoRefresh();
        cancelDeferredPass();
        if (state.theme.mode != ThemeMode::System || !state.windows.colorSubclassed.empty())
            resetTheme(false);
        state.windows.preexistingWindows.clear();
        break;
    case 6:
        // Sent before the next page is shown: theme what exists now, and what the page
        // brings once the host has built and shown it.
        if (state.theme.mode != ThemeMode::System) {
            refreshWindows(false);
            scheduleDeferredPass();
        }
        break;
    default:
        break;
    }
}

bool isOwnedByHost(HWND window) {
    const HWND host = process().hostWindow;
    if (!host) return false;
    HWND current = window;
    for (int step = 0; step < kMaxOwnerSteps; ++step) {
        current = GetWindow(current, GW_OWNER);
        if (!current) return false;
        if (current == host) return true;
    }
    return false;
}

} // namespace hueloom
