#include "paint/status_bar_painter.h"

#include "paint/control_geometry.h"
#include "paint/solid_drawing.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {

constexpr int kDividerInset = 3;

} // namespace

void paintStatusStrip(HDC dc, const RECT& client, const Surface& surface) {
    fillSolid(dc, client, surface.face);
    fillSolid(dc, {client.left, client.top, client.right, client.top + 1}, surface.frame);
}

void paintStatusText(HDC dc, const RECT& part, std::wstring_view text, bool enabled, const Surface& surface,
                     int dpi) {
    const int padding = textPadding(dpi);
    const RECT area{part.left + padding, part.top, part.right - padding, part.bottom};
    const Color color = enabled ? surface.text : surface.disabledText;
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    constexpr UINT kAlignments[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    size_t column = 0;
    while (column < 3) {
        const size_t tab = text.find(L'\t');
        drawPlainText(dc, text.substr(0, tab), area, color, kFormat | kAlignments[column]);
        if (tab == std::wstring_view::npos) break;
        text.remove_prefix(tab + 1);
        ++column;
    }
}

void paintStatusDivider(HDC dc, const RECT& part, const Surface& surface, int dpi) {
    const int inset = scaleForDpi(kDividerInset, dpi > 0 ? dpi : 96);
    fillSolid(dc, {part.right - 1, part.top + inset, part.right, part.bottom - inset}, surface.frame);
}

void paintSizeGrip(HDC dc, const RECT& client, const Surface& surface, int dpi) {
    const GripDots grip = sizeGripDots(client, dpi);
    for (int i = 0; i < grip.count; ++i) fillSolid(dc, grip.dots[i], surface.frame);
}

} // namespace hueloom
