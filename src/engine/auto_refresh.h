#pragma once
// The 250 ms auto-refresh timer: themes new windows, keeps overlays on top, prunes the
// registries now and then, and ends a freeze that was never ended.
#include <windows.h>

#include <cstdint>

namespace hueloom {

inline constexpr UINT_PTR kAutoRefreshTimerId = 7731;
// One-shot: the pass that follows a page change once the host has shown the new page.
inline constexpr UINT_PTR kDeferredPassTimerId = 7732;
inline constexpr UINT kAutoRefreshPeriodMs = 250;
inline constexpr uint32_t kFreezeTimeoutMs = 2500;

struct AutoRefreshState {
    bool running = false;
    bool deferredPassPending = false;
    int32_t refreshTickCount = 0;
};

[[nodiscard]] AutoRefreshState& autoRefreshState() noexcept;
[[nodiscard]] inline bool autoRefreshRunning() noexcept { return autoRefreshState().running; }

void startAutoRefresh();
void stopAutoRefresh();
void CALLBACK autoRefreshTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// The host announces a page change before the page's windows exist or are shown: one more
// incremental pass runs once the message loop is back, whether or not AutoRefresh is on.
void scheduleDeferredPass();
void cancelDeferredPass();
void CALLBACK deferredPassTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

} // namespace hueloom
