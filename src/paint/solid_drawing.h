#pragma once
// The few drawing steps every drawn control is made of: solid areas, 1-pixel lines and
// frames, and text on whatever lies behind it. Each call makes its own GDI objects and
// deletes them, and puts back what it changed on the DC.
#include <windows.h>

#include <string_view>

#include "theme/color.h"

namespace hueloom {

void fillSolid(HDC dc, const RECT& rect, Color color);
// A 1-pixel frame along the inside of `rect`.
void frameSolid(HDC dc, const RECT& rect, Color color);
// `text` in `color` with DrawText `format`; the background is left as it is.
void drawPlainText(HDC dc, std::wstring_view text, RECT rect, Color color, UINT format);
// The height of a line of text in the DC's current font.
[[nodiscard]] int lineHeight(HDC dc);

} // namespace hueloom
