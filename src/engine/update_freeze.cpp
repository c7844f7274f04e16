#include "engine/update_freeze.h"

#include "engine/auto_refresh.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "platform/process_lifetime.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr UINT kRedrawWholeWindow = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME;

// WM_SETREDRAW is carried by the WS_VISIBLE bit: FALSE clears it and TRUE sets it again. A
// window frozen that way loses what the host does to its visibility meanwhile, because
// hiding a window without WS_VISIBLE sends nothing at all. So only top-level windows are
// frozen: a child of a window without WS_VISIBLE cannot paint either, and every child keeps
// the visibility the host gives it. A top-level window hidden during the freeze is the one
// thing nobody can see.
BOOL CALLBACK freezeTopLevel(HWND window, LPARAM) {
    WindowSet& frozen = windowRegistry().frozenWindows;
    // A hidden window must never be frozen, or the thaw would show it.
    if (isSkippedTopLevel(window) || !IsWindowVisible(window) || frozen.contains(window)) return TRUE;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    frozen.insert(window);
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

    // Thaw every window before repainting any, so the change shows in one pass. The
    // messages run window procedures, so walk a copy of the keys.
    const auto frozen = windows.frozenWindows.windows();
    windows.frozenWindows.clear();
    for (HWND window : frozen) {
        if (IsWindow(window)) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    }
    for (HWND window : frozen) {
        if (IsWindow(window)) RedrawWindow(window, nullptr, nullptr, kRedrawWholeWindow);
    }
    // Auto keeps ticking in the stock look of high contrast, to see it end.
    const ThemeState& theme = currentTheme();
    if (theme.mode == Mode::System && !theme.followsWindows) stopAutoRefresh();
}

} // namespace hueloom
