#include "theme/theme_actions.h"
#include "plugin/host_bridge.h"
namespace hueloom {
int32_t setMode(const std::wstring&) { HostBridge::setLastError(L"Not available yet in this build"); return 0; }
int32_t setColors(const std::wstring&, const std::wstring&, const std::wstring&) { HostBridge::setLastError(L"Not available yet in this build"); return 0; }
int32_t setAccent(const std::wstring&, const std::wstring&) { HostBridge::setLastError(L"Not available yet in this build"); return 0; }
int32_t setTitleBar(const std::wstring&, const std::wstring&) { HostBridge::setLastError(L"Not available yet in this build"); return 0; }
int32_t resetTheme(bool) { return 1; }
}
