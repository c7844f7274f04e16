#pragma once
// Owner-drawn native check boxes and radio buttons in the theme's colours.
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

// False only when the subclass is wanted but the system refused it (worth trying again).
bool installGlyphSubclass(HWND button);
LRESULT CALLBACK glyphSubclassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR refData);
void paintGlyphButton(HWND button, HDC dc);

// The glyph button under the mouse, drawn hot; at most one.
[[nodiscard]] HWND hoveredGlyphButton() noexcept;
void setHoveredGlyphButton(HWND button) noexcept;

} // namespace hueloom
