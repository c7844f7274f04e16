#include "paint/header_painter.h"

#include "paint/control_geometry.h"
#include "paint/solid_drawing.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {

constexpr int kDividerInset = 4;

void paintSortArrow(HDC dc, const RECT& area, bool up, Color color, int dpi) {
    const Triangle arrow = sortArrow(area, up, dpi);
    const Pen pen = solidPen(color);
    const Brush brush = solidBrush(color);
    const SelectGuard penGuard(dc, pen.get());
    const SelectGuard brushGuard(dc, brush.get());
    Polygon(dc, arrow.points, 3);
}

} // namespace

void paintHeaderStrip(HDC dc, const RECT& client, const Surface& surface) {
    fillSolid(dc, client, surface.face);
    fillSolid(dc, {client.left, client.bottom - 1, client.right, client.bottom}, surface.frame);
}

void paintHeaderItem(HDC dc, const RECT& item, const HeaderItemLook& look, const Surface& surface, int dpi) {
    const Color face = look.pressed ? surface.pressedFace : look.hot ? surface.hotFace : surface.face;
    fillSolid(dc, {item.left, item.top, item.right, item.bottom - 1}, face);
    fillSolid(dc, {item.left, item.bottom - 1, item.right, item.bottom}, surface.frame);
    const int inset = scaleForDpi(kDividerInset, dpi > 0 ? dpi : 96);
    fillSolid(dc, {item.right - 1, item.top + inset, item.right, item.bottom - inset}, surface.frame);

    const Color text = look.enabled ? surface.text : surface.disabledText;
    const int padding = textPadding(dpi);
    RECT textArea{item.left + padding, item.top, item.right - padding, item.bottom - 1};
    if (look.sort != SortArrow::None) {
        const int room = sortArrowRoom(dpi);
        const RECT arrowArea{textArea.right - room + padding, item.top, textArea.right, item.bottom - 1};
        if (arrowArea.right - arrowArea.left >= room - padding) {
            paintSortArrow(dc, arrowArea, look.sort == SortArrow::Up, text, dpi);
            textArea.right -= room;
        }
    }
    drawPlainText(dc, look.text, textArea, text,
                  look.align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

} // namespace hueloom
