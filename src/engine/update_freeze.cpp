#include "engine/update_freeze.h"

#include "engine/auto_refresh.h"
#include "engine/classify.h"
#include "engine/theming_pass.h"
#include "plugin/process_state.h"

namespace hueloom {

namespace {

constexpr UINT kRedrawWholeWindow = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME;

// WM_SETREDRAW is carried by the WS_VISIBLE bit: FALSE clears it and TRUE sets it. A window
// that was hidden must therefore never be frozen, or the thaw would show it.
bool hasOwnVisibleStyle(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// A clicked auto radio button walks its group with GetNextDlgGroupItem until it meets
// itself again; under Wine that walk skips windows without WS_VISIBLE, so a frozen radio
// button is never met and the click spins for ever. Its frozen ancestors keep it from
// painting all the same, so it is left as it is.
bool isAutoRadioButton(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
           classifyWindow(window) == ControlKind::CheckOrRadio;
}

void freezeWindow(HWND window) {
    auto& frozen = process().windows.frozenWindows;
    if (frozen.contains(window) || !hasOwnVisibleStyle(window) || isAutoRadioButton(window)) return;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    frozen.set(window, 1);
}

BOOL CALLBACK freezeDescendant(HWND window, LPARAM) {
    freezeWindow(window);
    return TRUE;
}

BOOL CALLBACK freezeTopLevel(HWND window, LPARAM) {
    if (isSkippedTopLevel(window) || !IsWindowVisible(window)) return TRUE;
    freezeWindow(window);
    EnumChildWindows(window, freezeDescendant, 0);
    return TRUE;
}

// Top-level by style rather than by GetParent, which answers the owner of a popup and
// would leave owned dialogs unpainted after the thaw.
bool isTopLevel(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0;
}

} // namespace

uint32_t monotonicMs() {
    LARGE_INTEGER frequency{}, counter{};
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0 &&
        QueryPerformanceCounter(&counter)) {
        const uint64_t ticks = static_cast<uint64_t>(counter.QuadPart);
        const uint64_t hz = static_cast<uint64_t>(frequency.QuadPart);
        // Split so that a fast counter cannot overflow the multiplication.
        const uint64_t ms = (ticks / hz) * 1000 + (ticks % hz) * 1000 / hz;
        return static_cast<uint32_t>(ms);  // callers compare differences, which survive the wrap
    }
    return GetTickCount();
}

void beginUpdate() {
    ProcessState& state = process();
    if (state.shuttingDown || !state.hostWindow) return;
    ThemedWindowRegistry& windows = state.windows;
    if (windows.updateDepth == 0) {
        windows.frozenWindows.clear();
        EnumThreadWindows(GetCurrentThreadId(), freezeTopLevel, 0);
        windows.freezeStartMs = monotonicMs();
        startAutoRefresh();  // its tick also ends a freeze that is never ended
    }
    windows.updateDepth += 1;
}

void endUpdate(bool force) {
    ProcessState& state = process();
    ThemedWindowRegistry& windows = state.windows;
    if (windows.updateDepth <= 0) return;
    windows.updateDepth -= 1;
    if (force) windows.updateDepth = 0;
    if (windows.updateDepth > 0) return;

    // Thaw everything before repainting anything, so the change shows in one pass. The
    // messages run window procedures, so walk a copy of the keys.
    const auto frozen = windows.frozenWindows.keys();
    windows.frozenWindows.clear();
    for (HWND window : frozen) {
        if (IsWindow(window)) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    }
    for (HWND window : frozen) {
        if (IsWindow(window) && isTopLevel(window)) {
            RedrawWindow(window, nullptr, nullptr, kRedrawWholeWindow);
        }
    }
    if (state.theme.mode == ThemeMode::System) stopAutoRefresh();
}

} // namespace hueloom
