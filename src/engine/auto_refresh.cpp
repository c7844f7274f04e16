#include "engine/auto_refresh.h"
#include "plugin/host_bridge.h"
namespace hueloom {
void startAutoRefresh() {}
void stopAutoRefresh() {}
void CALLBACK autoRefreshTick(HWND, UINT, UINT_PTR, DWORD) {}
int32_t listWindows() { HostBridge::setLastError(L"Not available yet in this build"); return 0; }
BOOL CALLBACK describeWindow(HWND, LPARAM) { return TRUE; }
}
