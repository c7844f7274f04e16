#include "paint/tab_painter.h"

#include "paint/solid_drawing.h"

namespace hueloom {

namespace {

constexpr int kSelectedRise = 2;  // how much further a selected tab stands out

// Frames three sides of a tab: both sides and the edge away from the body.
void frameTab(HDC dc, const RECT& tab, Color color, TabEdge edge) {
    fillSolid(dc, {tab.left, tab.top, tab.left + 1, tab.bottom}, color);
    fillSolid(dc, {tab.right - 1, tab.top, tab.right, tab.bottom}, color);
    if (edge == TabEdge::Top) fillSolid(dc, {tab.left, tab.top, tab.right, tab.top + 1}, color);
    else fillSolid(dc, {tab.left, tab.bottom - 1, tab.right, tab.bottom}, color);
}

} // namespace

void paintTabBody(HDC dc, const RECT& body, const Surface& surface, bool framed) {
    fillSolid(dc, body, surface.back);
    if (framed) frameSolid(dc, body, surface.frame);
}

void paintTab(HDC dc, RECT tab, const TabLook& look, const Surface& surface, TabEdge edge, bool framed) {
    if (look.selected && framed) {
        // Out by the rise, and into the body across its frame line.
        if (edge == TabEdge::Top) {
            tab.top -= kSelectedRise;
            tab.bottom += 1;
        } else {
            tab.top -= 1;
            tab.bottom += kSelectedRise;
        }
        tab.left -= 1;
        tab.right += 1;
    }
    const Color face = look.selected ? surface.back : look.hot ? surface.hotFace : surface.face;
    fillSolid(dc, tab, face);
    if (framed || look.selected) frameTab(dc, tab, surface.frame, edge);
    if (!framed && look.selected) frameSolid(dc, tab, surface.frame);

    const Color text = look.enabled ? surface.text : surface.disabledText;
    constexpr UINT kFormat = DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    drawPlainText(dc, look.text, tab, text, kFormat);
    if (look.focused && look.enabled && !look.text.empty()) {
        RECT focus = tab;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace hueloom
