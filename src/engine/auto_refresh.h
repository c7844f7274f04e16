#pragma once
// The 250 ms auto-refresh timer and the diagnostic window list.
#include <windows.h>

#include <cstdint>
#include <string>

namespace hueloom {

struct AutoRefreshState {
    bool running = false;
    bool deferredPassPending = false;
    int32_t refreshTickCount = 0;
    std::wstring windowListText;
};

void startAutoRefresh();
void stopAutoRefresh();
void CALLBACK autoRefreshTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// The host announces a page change before the page's windows exist or are shown: one more
// incremental pass runs once the message loop is back, whether or not AutoRefresh is on.
void scheduleDeferredPass();
void cancelDeferredPass();
void CALLBACK deferredPassTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

int32_t listWindows();
BOOL CALLBACK describeWindow(HWND window, LPARAM);

} // namespace hueloom
