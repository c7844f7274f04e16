#include "paint/tooltip_painter.h"

#include "paint/solid_drawing.h"

namespace hueloom {

void paintToolTip(HDC dc, const RECT& client, std::wstring_view text, const RECT& textArea, UINT format,
                  const Surface& surface) {
    fillSolid(dc, client, surface.back);
    frameSolid(dc, client, surface.frame);
    drawPlainText(dc, text, textArea, surface.text, format);
}

} // namespace hueloom
