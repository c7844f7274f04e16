#include "overlay/overlay_paint.h"
namespace hueloom {
LRESULT CALLBACK overlayWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }
void paintOverlay(HWND, HDC) {}
void paintGlyph(HDC, int, int, int, bool, bool, bool, bool, Color) {}
void paintTrack(HDC, OverlayBinding&, int, int) {}
}
