#include "overlay/overlay_interaction.h"
#include "platform/system_functions.h"
namespace hueloom {
LRESULT CALLBACK overlayObjectSubclassProc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) { return defaultSubclassProcessing(w, m, wp, lp); }
void applyOverlayClick(HWND) {}
}
