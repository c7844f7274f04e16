#include "engine/color_subclass.h"
#include "platform/system_functions.h"
namespace hueloom {
LRESULT CALLBACK colorSubclassProc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) { return defaultSubclassProcessing(w, m, wp, lp); }
LRESULT drawTrackBar(NMCUSTOMDRAW*) { return CDRF_DODEFAULT; }
}
