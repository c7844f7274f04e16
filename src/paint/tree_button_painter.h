#pragma once
// The painter of tree views' expand buttons: a square in the frame colour with a minus
// (expanded) or a plus (collapsed) in the text colour, on the tree's background.
#include <windows.h>

#include "paint/surface_colors.h"

namespace hueloom {

// `box` from treeButtonBox; the pixel ring round it is cleared to the background first,
// so nothing of a button drawn before shows.
void paintTreeButton(HDC dc, const RECT& box, bool expanded, const Surface& surface);

} // namespace hueloom
