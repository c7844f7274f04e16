#include "paint/progress_painter.h"

#include "paint/solid_drawing.h"

namespace hueloom {

RECT progressTrack(const RECT& client) noexcept {
    return {client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
}

void paintProgress(HDC dc, const RECT& client, const RECT& bar, Color barColor, const Surface& surface) {
    frameSolid(dc, client, surface.frame);
    fillSolid(dc, progressTrack(client), surface.back);
    fillSolid(dc, bar, barColor);
}

} // namespace hueloom
