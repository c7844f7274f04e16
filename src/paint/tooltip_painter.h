#pragma once
// The painter of tooltips: the control colour framed by a line, and the tip's text.
#include <windows.h>

#include <string_view>

#include "paint/surface_colors.h"

namespace hueloom {

// `textArea` is where the tooltip lays out its text; `format` its DrawText flags. The
// font is the one selected into the DC.
void paintToolTip(HDC dc, const RECT& client, std::wstring_view text, const RECT& textArea, UINT format,
                  const Surface& surface);

} // namespace hueloom
