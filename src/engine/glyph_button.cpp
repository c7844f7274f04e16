#include "engine/glyph_button.h"
#include "platform/system_functions.h"
namespace hueloom {
void installGlyphSubclass(HWND) {}
LRESULT CALLBACK glyphSubclassProc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) { return defaultSubclassProcessing(w, m, wp, lp); }
void paintGlyphButton(HWND, HDC) {}
GlyphGeometry glyphGeometry(int) { return {13, 6, 3, 2}; }
}
