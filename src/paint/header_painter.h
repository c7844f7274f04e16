#pragma once
// The painter of header controls, alone or at the top of a list view: flat item faces with
// a divider at the right of each, the text, and the sort arrow.
#include <windows.h>

#include <string_view>

#include "paint/surface_colors.h"

namespace hueloom {

enum class SortArrow { None, Up, Down };

struct HeaderItemLook {
    std::wstring_view text;
    UINT align = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
    SortArrow sort = SortArrow::None;
    bool hot = false;
    bool pressed = false;
    bool enabled = true;
};

// The strip behind the items and right of the last one, with the line under it.
void paintHeaderStrip(HDC dc, const RECT& client, const Surface& surface);
// One item over the strip. The font is the one selected into the DC.
void paintHeaderItem(HDC dc, const RECT& item, const HeaderItemLook& look, const Surface& surface, int dpi);

} // namespace hueloom
