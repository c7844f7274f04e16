#include "engine/theming_pass.h"

#include "engine/classify.h"
#include "engine/color_subclass.h"
#include "engine/host_window.h"
#include "engine/menu_bar.h"
#include "engine/message_box.h"
#include "engine/native_theming.h"
#include "engine/registry.h"
#include "platform/subclass.h"
#include "platform/system_functions.h"

namespace hueloom {

namespace {

constexpr UINT kRedrawWholeWindow = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME;

BOOL CALLBACK themeChildCallback(HWND window, LPARAM) {
    themeChild(window);
    return TRUE;
}

// Everything one control needs: its native theme and the colour subclass of its parent
// (and of itself, for a combo box). False when the system refused a part of it.
bool themeControl(HWND window, ControlKind kind) {
    bool finished = applyNativeTheme(window, kind);
    finished = installColorSubclass(GetParent(window)) && finished;
    // The combo box answers for its inner edit and drop-down list.
    if (kind == ControlKind::ComboBox) finished = installColorSubclass(window) && finished;
    return finished;
}

void noteFinished(HWND window, bool finished) {
    WindowSet& unfinished = windowRegistry().unfinishedControls;
    if (finished) unfinished.erase(window);
    else unfinished.insert(window);
}

void reapplyRegisteredControls() {
    // Theming sends messages to the controls, so walk a copy of the keys.
    ThemedWindowRegistry& windows = windowRegistry();
    for (HWND window : windows.themedControls.keys()) {
        const ControlKind* kind = windows.themedControls.find(window);
        if (kind && IsWindow(window)) noteFinished(window, themeControl(window, *kind));
    }
}

// Subclasses refused for lack of resources are asked for again; the set is empty unless
// the system ran short.
void finishUnfinishedControls() {
    ThemedWindowRegistry& windows = windowRegistry();
    if (windows.unfinishedControls.empty()) return;
    for (HWND window : windows.unfinishedControls.windows()) {
        const ControlKind* kind = windows.themedControls.find(window);
        if (!kind || !IsWindow(window)) {
            windows.unfinishedControls.erase(window);
            continue;
        }
        const bool finished = themeControl(window, *kind);
        noteFinished(window, finished);
        if (finished && windows.updateDepth == 0) InvalidateRect(window, nullptr, TRUE);
    }
}

} // namespace

void refreshWindows(RefreshScope scope) {
    loadSystemFunctions();
    if (!hostWindow()) return;
    pruneRegistries();
    const bool all = scope == RefreshScope::AllWindows;
    if (all) {
        reapplyRegisteredControls();
        windowRegistry().titleBarWindows.clear();  // every title bar is applied afresh
        updateMessageBoxHook();
    } else {
        finishUnfinishedControls();
    }
    EnumThreadWindows(GetCurrentThreadId(), themeTopLevel, 0);
    if (all) redrawTitleBarWindows();
}

void reapplyTitleBars() {
    windowRegistry().titleBarWindows.clear();
    EnumThreadWindows(GetCurrentThreadId(), themeTopLevel, 0);
    redrawTitleBarWindows();
}

BOOL CALLBACK themeTopLevel(HWND window, LPARAM) {
    if (isSkippedTopLevel(window)) return TRUE;
    applyTitleBar(window);
    themeToolTip(window);
    themeMenuBar(window);
    EnumChildWindows(window, themeChildCallback, 0);  // reaches every level of descendants
    return TRUE;
}

void themeToolTip(HWND window) {
    // Tooltips are top-level windows: themed like a control, without a parent to subclass.
    ThemedWindowRegistry& windows = windowRegistry();
    if (windows.themedControls.contains(window)) return;
    if (classifyWindow(window) != ControlKind::ToolTip) return;
    windows.themedControls.set(window, ControlKind::ToolTip);
    applyNativeTheme(window, ControlKind::ToolTip);
}

void themeChild(HWND window) {
    if (!window || !IsWindow(window)) return;
    ThemedWindowRegistry& windows = windowRegistry();
    if (windows.themedControls.contains(window)) return;  // themed once while it lives

    const ControlKind kind = classifyWindow(window);
    // Unregistered, so looked at again by every later pass.
    if (kind == ControlKind::None) return;

    windows.themedControls.set(window, kind);
    noteFinished(window, themeControl(window, kind));
    if (windows.updateDepth == 0) InvalidateRect(window, nullptr, TRUE);
}

bool installColorSubclass(HWND window) {
    return installRecordedSubclass(windowRegistry().colorSubclassed, window, colorSubclassProc,
                                   SubclassId::Color);
}

size_t controlsAwaitingTheme() { return windowRegistry().unfinishedControls.size(); }

void pruneRegistries() {
    ThemedWindowRegistry& windows = windowRegistry();
    const auto isDead = [](HWND window) { return !IsWindow(window); };
    windows.themedControls.eraseIf([](HWND window, ControlKind) { return !IsWindow(window); });
    windows.colorSubclassed.eraseIf(isDead);
    windows.titleBarWindows.eraseIf(isDead);
    windows.unfinishedControls.eraseIf(isDead);
    windows.paintedControls.eraseIf([](HWND window, SubclassId) { return !IsWindow(window); });
    windows.originalLooks.eraseIf([](HWND window, const OriginalLook&) { return !IsWindow(window); });
}

void redrawTitleBarWindows() {
    const ThemedWindowRegistry& windows = windowRegistry();
    if (windows.updateDepth > 0) return;  // the outermost endUpdate repaints
    windows.titleBarWindows.forEach([](HWND window) {
        if (IsWindow(window)) RedrawWindow(window, nullptr, nullptr, kRedrawWholeWindow);
    });
}

} // namespace hueloom
