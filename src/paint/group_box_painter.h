#pragma once
// The painter of group boxes: a 1-pixel frame that starts half a line down, open at the top
// left where the caption stands, and the caption. It draws nothing else: what lies behind
// (the page) is the caller's, as with the system's group box.
#include <windows.h>

#include <string_view>

#include "paint/surface_colors.h"

namespace hueloom {

// The font is the one selected into the DC.
void paintGroupBox(HDC dc, const RECT& client, std::wstring_view caption, bool enabled, const Surface& surface,
                   int dpi);

} // namespace hueloom
