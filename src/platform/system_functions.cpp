#include "platform/system_functions.h"
#include "plugin/process_state.h"
namespace hueloom {
void loadSystemFunctions() { process().system.loaded = true; }
void forgetSystemModules() {}
int32_t windowsBuild() { return 0; }
bool darkModeSupported() { return windowsBuild() >= kBuildDarkMode; }
LRESULT defaultSubclassProcessing(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }
}
