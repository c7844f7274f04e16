#include "engine/engine_state.h"

#include "engine/auto_refresh.h"
#include "engine/control_painting.h"
#include "engine/glyph_button.h"
#include "engine/host_window.h"
#include "engine/message_box.h"
#include "engine/pointer_tracking.h"
#include "engine/registry.h"
#include "engine/settings_watch.h"
#include "platform/window_relations.h"

namespace hueloom {

namespace {

struct EngineState {
    HWND hostWindow = nullptr;
    ThemedWindowRegistry windows;
    AutoRefreshState autoRefresh;
    HWND hoverButton = nullptr;  // the glyph button under the mouse
    HotPart hotPart;             // the header item or tab under the mouse
    SettingsWatchState settingsWatch;
    DrawnControlPointer pointer;
    HHOOK messageBoxHook = nullptr;
};

EngineState g_engine;

BOOL CALLBACK recordPreexisting(HWND window, LPARAM) {
    if (window != g_engine.hostWindow) g_engine.windows.preexistingWindows.insert(window);
    return TRUE;
}

} // namespace

ThemedWindowRegistry& windowRegistry() noexcept { return g_engine.windows; }
AutoRefreshState& autoRefreshState() noexcept { return g_engine.autoRefresh; }
SettingsWatchState& settingsWatchState() noexcept { return g_engine.settingsWatch; }

HWND hostWindow() noexcept { return g_engine.hostWindow; }
void setHostWindow(HWND window) noexcept { g_engine.hostWindow = window; }

HWND hoveredGlyphButton() noexcept { return g_engine.hoverButton; }
void setHoveredGlyphButton(HWND button) noexcept { g_engine.hoverButton = button; }

HotPart hotPart() noexcept { return g_engine.hotPart; }
void setHotPart(HotPart part) noexcept { g_engine.hotPart = part; }
DrawnControlPointer& drawnControlPointer() noexcept { return g_engine.pointer; }
HHOOK& messageBoxHook() noexcept { return g_engine.messageBoxHook; }

bool isOwnedByHost(HWND window) { return isOwnedBy(window, g_engine.hostWindow); }

void recordPreexistingWindows() {
    g_engine.windows.preexistingWindows.clear();
    EnumThreadWindows(GetCurrentThreadId(), recordPreexisting, 0);
}

void forgetPreexistingWindows() { g_engine.windows.preexistingWindows.clear(); }

bool isSkippedTopLevel(HWND window) {
    return window != g_engine.hostWindow && g_engine.windows.preexistingWindows.contains(window) &&
           !isOwnedByHost(window);
}

void resetEngineState() { g_engine = EngineState{}; }

void clearEngineState() {
    if (g_engine.autoRefresh.running) {
        KillTimer(g_engine.hostWindow, kAutoRefreshTimerId);
        g_engine.autoRefresh.running = false;
    }
    if (g_engine.autoRefresh.deferredPassPending) {
        KillTimer(g_engine.hostWindow, kDeferredPassTimerId);
        g_engine.autoRefresh.deferredPassPending = false;
    }
    SettingsWatchState& watch = g_engine.settingsWatch;
    if (watch.checkPending) {
        KillTimer(watch.subclassedWindow ? watch.subclassedWindow : g_engine.hostWindow, kSettingsCheckTimerId);
        watch.checkPending = false;
    }
    watch.subclassedWindow = nullptr;  // the module is pinned: the subclass may stay
    watch.watching = false;
    ThemedWindowRegistry& windows = g_engine.windows;
    windows.themedControls.clear();
    windows.colorSubclassed.clear();
    windows.titleBarWindows.clear();
    windows.preexistingWindows.clear();
    windows.frozenWindows.clear();
    windows.glyphSubclassed.clear();
    windows.unfinishedControls.clear();
    windows.paintedControls.clear();
    windows.originalLooks.clear();
    g_engine.hotPart = HotPart{};
    windows.fallbackPainted.clear();
    windows.menuBarSubclassed.clear();
    windows.messageBoxes.clear();
    g_engine.pointer = DrawnControlPointer{};
    // The module is pinned while hooked, so this runs at process exit only.
    removeMessageBoxHook();
}

} // namespace hueloom
