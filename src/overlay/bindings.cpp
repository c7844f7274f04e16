#include "overlay/bindings.h"
#include "plugin/host_bridge.h"
namespace hueloom {
int32_t bindOverlay(OverlayKind, const BindTexts&) { HostBridge::setLastError(L"Not available yet in this build"); return 0; }
int32_t unbindOverlay(const std::wstring&) { HostBridge::setLastError(L"Not available yet in this build"); return 0; }
void destroyOverlay(HWND) {}
bool registerOverlayClass() { return false; }
void positionOverlay(OverlayBinding&) {}
void syncOverlay(OverlayBinding&) {}
void syncAllOverlays() {}
void raiseOverlayIfCovered(OverlayBinding&) {}
bool hasVisibleStyle(HWND w) { return (GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) != 0; }
bool isBindingOn(OverlayBinding&) { return false; }
double trackFraction(OverlayBinding&) { return 0; }
}
