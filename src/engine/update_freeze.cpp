#include "engine/update_freeze.h"

#include "engine/auto_refresh.h"
#include "engine/classify.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "platform/process_lifetime.h"
#include "platform/window_relations.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr UINT kRedrawWholeWindow = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME;

// WM_SETREDRAW is carried by the WS_VISIBLE bit: FALSE clears it and TRUE sets it. A window
// that was hidden must therefore never be frozen, or the thaw would show it.

// A clicked auto radio button walks its group with GetNextDlgGroupItem until it meets
// itself again; under Wine that walk skips windows without WS_VISIBLE, so a frozen radio
// button is never met and the click spins for ever. Its frozen ancestors keep it from
// painting all the same, so it is left as it is.
bool isAutoRadioButton(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
           classifyWindow(window) == ControlKind::CheckOrRadio;
}

void freezeWindow(HWND window) {
    WindowSet& frozen = windowRegistry().frozenWindows;
    if (frozen.contains(window) || !hasVisibleStyle(window) || isAutoRadioButton(window)) return;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    frozen.insert(window);
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
    if (shuttingDown() || !hostWindow()) return;
    ThemedWindowRegistry& windows = windowRegistry();
    if (windows.updateDepth == 0) {
        windows.frozenWindows.clear();
        EnumThreadWindows(GetCurrentThreadId(), freezeTopLevel, 0);
        windows.freezeStartMs = monotonicMs();
        startAutoRefresh();  // its tick also ends a freeze that is never ended
    }
    windows.updateDepth += 1;
}

void endUpdate(UpdateEnd end) {
    ThemedWindowRegistry& windows = windowRegistry();
    if (windows.updateDepth <= 0) return;
    windows.updateDepth -= 1;
    if (end == UpdateEnd::AllLevels) windows.updateDepth = 0;
    if (windows.updateDepth > 0) return;

    // Thaw everything before repainting anything, so the change shows in one pass. The
    // messages run window procedures, so walk a copy of the keys.
    const auto frozen = windows.frozenWindows.windows();
    windows.frozenWindows.clear();
    for (HWND window : frozen) {
        if (IsWindow(window)) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    }
    for (HWND window : frozen) {
        // Top-level by style: GetParent answers the owner of a popup, and owned dialogs
        // would stay unpainted after the thaw.
        if (IsWindow(window) && isTopLevelByStyle(window)) {
            RedrawWindow(window, nullptr, nullptr, kRedrawWholeWindow);
        }
    }
    // Auto keeps ticking in the stock look of high contrast, to see it end.
    const ThemeState& theme = currentTheme();
    if (theme.mode == Mode::System && !theme.followsWindows) stopAutoRefresh();
}

} // namespace hueloom
