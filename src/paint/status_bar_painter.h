#pragma once
// The painter of status bars: a face-coloured strip with a line along its top, the parts'
// texts with a divider after each, and the size grip's dots.
#include <windows.h>

#include <string_view>

#include "paint/surface_colors.h"

namespace hueloom {

void paintStatusStrip(HDC dc, const RECT& client, const Surface& surface);
// One part's text: up to the first tab left-aligned, then centred, after a second tab
// right-aligned, as the status bar lays it out. The font is the one selected into the DC.
void paintStatusText(HDC dc, const RECT& part, std::wstring_view text, bool enabled, const Surface& surface,
                     int dpi);
// The line at the right edge of a part that another part follows.
void paintStatusDivider(HDC dc, const RECT& part, const Surface& surface, int dpi);
void paintSizeGrip(HDC dc, const RECT& client, const Surface& surface, int dpi);

} // namespace hueloom
