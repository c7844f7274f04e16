#pragma once
// The 250 ms auto-refresh timer and the diagnostic window list.
#include <windows.h>

#include <cstdint>
#include <string>

namespace hueloom {

struct AutoRefreshState {
    bool running = false;
    int32_t refreshTickCount = 0;
    std::wstring windowListText;
};

void startAutoRefresh();
void stopAutoRefresh();
void CALLBACK autoRefreshTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

int32_t listWindows();
BOOL CALLBACK describeWindow(HWND window, LPARAM);

} // namespace hueloom
