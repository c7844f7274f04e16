#include "theme/skin_file.h"
#include "plugin/host_bridge.h"
namespace hueloom {
int32_t applySkinFile(const std::wstring&, const std::wstring&) { HostBridge::setLastError(L"Not available yet in this build"); return 0; }
std::wstring skinNameFromPath(std::wstring_view) { return {}; }
}
