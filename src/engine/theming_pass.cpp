#include "engine/theming_pass.h"

#include "engine/classify.h"
#include "engine/color_subclass.h"
#include "engine/subclass_ids.h"
#include "platform/dark_mode.h"
#include "plugin/lifecycle.h"
#include "plugin/process_state.h"

namespace hueloom {

namespace {

constexpr UINT kRedrawWholeWindow = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME;

BOOL CALLBACK themeChildCallback(HWND window, LPARAM) {
    themeChild(window);
    return TRUE;
}

void reapplyRegisteredControls() {
    // Theming sends messages to the controls, so walk a copy of the keys.
    ThemedWindowRegistry& windows = process().windows;
    for (HWND window : windows.themedControls.keys()) {
        const int32_t* kind = windows.themedControls.find(window);
        if (kind && IsWindow(window)) applyDarkModeToWindow(window, static_cast<ControlKind>(*kind));
    }
}

} // namespace

bool isSkippedTopLevel(HWND window) {
    const ProcessState& state = process();
    return window != state.hostWindow && state.windows.preexistingWindows.contains(window) &&
           !isOwnedByHost(window);
}

void refreshWindows(bool full) {
    loadSystemFunctions();
    ProcessState& state = process();
    if (!state.hostWindow) return;
    pruneRegistries();
    if (full) {
        reapplyRegisteredControls();
        state.windows.titleBarWindows.clear();  // every title bar is applied afresh
    }
    EnumThreadWindows(GetCurrentThreadId(), themeTopLevel, 0);
    if (full) redrawTitleBarWindows();
}

BOOL CALLBACK themeTopLevel(HWND window, LPARAM) {
    if (isSkippedTopLevel(window)) return TRUE;
    applyTitleBar(window);
    EnumChildWindows(window, themeChildCallback, 0);  // reaches every level of descendants
    return TRUE;
}

void themeChild(HWND window) {
    if (!window || !IsWindow(window)) return;
    ThemedWindowRegistry& windows = process().windows;
    if (windows.themedControls.contains(window)) return;  // themed once while it lives

    const ControlKind kind = classifyWindow(window);
    // Unregistered, so looked at again by every later pass.
    if (kind == ControlKind::None) return;

    windows.themedControls.set(window, static_cast<int32_t>(kind));
    applyDarkModeToWindow(window, kind);
    installColorSubclass(GetParent(window));
    // The combo box answers for its inner edit and drop-down list.
    if (kind == ControlKind::ComboBox) installColorSubclass(window);
    if (windows.updateDepth == 0) InvalidateRect(window, nullptr, TRUE);
}

void installColorSubclass(HWND window) {
    ProcessState& state = process();
    auto setWindowSubclass = state.system.setWindowSubclass;
    if (!window || !setWindowSubclass) return;
    if (state.windows.colorSubclassed.contains(window)) return;
    if (!IsWindow(window)) return;
    if (setWindowSubclass(window, colorSubclassProc, kColorSubclassId, 0)) {
        state.windows.colorSubclassed.set(window, 1);
        // A window now calls into this module: keep it loaded even if the host frees it.
        pinModule();
    }
}

void pruneRegistries() {
    ThemedWindowRegistry& windows = process().windows;
    const auto isDead = [](HWND window, int32_t) { return !IsWindow(window); };
    windows.themedControls.eraseIf(isDead);
    windows.colorSubclassed.eraseIf(isDead);
    windows.titleBarWindows.eraseIf(isDead);
}

void redrawTitleBarWindows() {
    ThemedWindowRegistry& windows = process().windows;
    if (windows.updateDepth > 0) return;  // the outermost endUpdate repaints
    windows.titleBarWindows.forEach([](HWND window, int32_t) {
        if (IsWindow(window)) RedrawWindow(window, nullptr, nullptr, kRedrawWholeWindow);
    });
}

} // namespace hueloom
