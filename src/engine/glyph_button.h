#pragma once
// Owner-drawn native check boxes and radio buttons in the theme's colours.
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

void installGlyphSubclass(HWND button);
LRESULT CALLBACK glyphSubclassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR refData);
void paintGlyphButton(HWND button, HDC dc);

// Geometry of the glyph box for a DPI, pure so it can be checked at any DPI.
struct GlyphGeometry {
    int box;        // side of the box
    int gap;        // between box and caption
    int inset;      // radio dot and indeterminate bar inset; also the corner size
    int markWidth;  // pen width of the check mark
};
[[nodiscard]] GlyphGeometry glyphGeometry(int dpi);

} // namespace hueloom
