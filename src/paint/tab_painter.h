#pragma once
// The painter of tab controls: the body with its frame, and each tab. The selected tab
// takes the body's colour and opens into it; the others stand in the face shades.
#include <windows.h>

#include <string_view>

#include "paint/surface_colors.h"

namespace hueloom {

enum class TabEdge { Top, Bottom };  // the side of the body the tabs stand on

struct TabLook {
    std::wstring_view text;
    bool selected = false;
    bool hot = false;
    bool focused = false;  // the focus rectangle round the text
    bool enabled = true;
};

// The body: its ground, and a frame unless the tabs are buttons without one.
void paintTabBody(HDC dc, const RECT& body, const Surface& surface, bool framed);
// One tab at `tab` as the control places it; a selected tab is drawn a little larger and
// over the body's frame, so it has no line between it and the body. The font is the one
// selected into the DC.
void paintTab(HDC dc, RECT tab, const TabLook& look, const Surface& surface, TabEdge edge, bool framed);

} // namespace hueloom
