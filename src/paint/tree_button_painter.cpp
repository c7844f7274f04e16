#include "paint/tree_button_painter.h"

#include "paint/solid_drawing.h"

namespace hueloom {

void paintTreeButton(HDC dc, const RECT& box, bool expanded, const Surface& surface) {
    const RECT ring{box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
    fillSolid(dc, ring, surface.back);
    frameSolid(dc, box, surface.frame);
    const int side = box.right - box.left;
    const int cx = box.left + side / 2;
    const int cy = box.top + side / 2;
    const int arm = side / 2 - 2;  // the sign keeps two pixels from the frame
    if (arm < 1) return;
    fillSolid(dc, {cx - arm, cy, cx + arm + 1, cy + 1}, surface.text);
    if (!expanded) fillSolid(dc, {cx, cy - arm, cx + 1, cy + arm + 1}, surface.text);
}

} // namespace hueloom
