#include "host_object_paint.h"

#include <string>

#include "gdi_guard.h"

namespace standin {

namespace {

constexpr int kGlyphSize = 13;
constexpr int kCaptionGap = 6;

RECT glyphBox(const RECT& client) {
    const int top = client.top + (client.bottom - client.top - kGlyphSize) / 2;
    return RECT{client.left + 1, top, client.left + 1 + kGlyphSize, top + kGlyphSize};
}

void paintBackground(HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

void paintCaption(HDC dc, const RECT& client, std::wstring_view caption, bool enabled) {
    RECT area = client;
    area.left += 1 + kGlyphSize + kCaptionGap;
    Selected font(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const std::wstring text(caption);
    DrawTextW(dc, text.c_str(), -1, &area,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

}  // namespace

void paintCheckObject(HDC dc, const RECT& client, std::wstring_view caption, bool checked, bool enabled) {
    paintBackground(dc, client);
    const RECT box = glyphBox(client);
    {
        OwnedPen border(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
        Selected pen(dc, border.get());
        Selected brush(dc, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
    }
    if (checked) {
        OwnedPen mark(CreatePen(PS_SOLID, 2, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT)));
        Selected pen(dc, mark.get());
        const POINT points[3] = {
            {box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
        Polyline(dc, points, 3);
    }
    paintCaption(dc, client, caption, enabled);
}

void paintRadioObject(HDC dc, const RECT& client, std::wstring_view caption, bool checked, bool enabled) {
    paintBackground(dc, client);
    const RECT box = glyphBox(client);
    {
        OwnedPen border(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
        Selected pen(dc, border.get());
        Selected brush(dc, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
    }
    if (checked) {
        const COLORREF dotColor = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
        OwnedPen edge(CreatePen(PS_SOLID, 1, dotColor));
        OwnedBrush fill(CreateSolidBrush(dotColor));
        Selected pen(dc, edge.get());
        Selected brush(dc, fill.get());
        Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
    }
    paintCaption(dc, client, caption, enabled);
}

void paintTrackObject(HDC dc, const RECT& client, int position, TrackRange range, bool enabled) {
    paintBackground(dc, client);
    const int width = client.right - client.left;
    const int middle = client.top + (client.bottom - client.top) / 2;
    RECT channel{client.left + kTrackMargin, middle - 2, client.right - kTrackMargin, middle + 2};
    DrawEdge(dc, &channel, EDGE_SUNKEN, BF_RECT);
    const int centre = client.left + trackThumbCentre(position, width, range);
    const int halfHeight =
        (client.bottom - client.top) / 2 - 3 > 3 ? (client.bottom - client.top) / 2 - 3 : 3;
    RECT thumb{centre - kTrackThumbWidth / 2, middle - halfHeight, centre + kTrackThumbWidth / 2,
               middle + halfHeight};
    FillRect(dc, &thumb, GetSysColorBrush(enabled ? COLOR_BTNFACE : COLOR_BTNSHADOW));
    DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT);
}

}  // namespace standin
