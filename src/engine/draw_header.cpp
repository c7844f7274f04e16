// Header controls: each item asked for its text, format and place, then painted.
#include "engine/control_painting.h"
#include "engine/drawn_controls.h"
#include "paint/header_painter.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kTextCapacity = 260;

SortArrow sortOf(int format) noexcept {
    if (format & HDF_SORTUP) return SortArrow::Up;
    if (format & HDF_SORTDOWN) return SortArrow::Down;
    return SortArrow::None;
}

UINT alignOf(int format) noexcept {
    switch (format & HDF_JUSTIFYMASK) {
    case HDF_CENTER: return DT_CENTER;
    case HDF_RIGHT: return DT_RIGHT;
    default: return DT_LEFT;
    }
}

} // namespace

int headerItemAt(HWND header, POINT point) {
    HDHITTESTINFO hit{};
    hit.pt = point;
    const auto index = static_cast<int>(SendMessageW(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & HHT_ONHEADER) ? index : -1;
}

void drawHeader(HWND header, HDC dc) {
    const Surface surface = controlSurface(currentTheme());
    const int dpi = dcDpi(dc);
    RECT client{};
    GetClientRect(header, &client);
    paintHeaderStrip(dc, client, surface);

    const LONG style = GetWindowLongW(header, GWL_STYLE);
    const bool clickable = (style & HDS_BUTTONS) != 0;
    const bool enabled = IsWindowEnabled(header) != FALSE;
    const HotPart hot = hotPart();
    const bool captured = GetCapture() == header;
    const auto count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        RECT rect{};
        if (!SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)))
            continue;
        if (rect.right <= rect.left || rect.left >= client.right) continue;
        wchar_t text[kTextCapacity] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_LPARAM;
        item.pszText = text;
        item.cchTextMax = kTextCapacity;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));

        HeaderItemLook look;
        look.hot = clickable && enabled && hot.window == header && hot.part == index;
        look.pressed = look.hot && captured;
        look.enabled = enabled;
        if (item.fmt & HDF_OWNERDRAW) {
            paintHeaderItem(dc, rect, look, surface, dpi);
            askOwnerToDraw(header, dc, ODT_HEADER, index, rect, static_cast<ULONG_PTR>(item.lParam), look.pressed);
            continue;
        }
        // A text from the owner's callback comes in its own buffer.
        look.text = item.pszText ? item.pszText : text;
        look.align = alignOf(item.fmt);
        look.sort = sortOf(item.fmt);
        paintHeaderItem(dc, rect, look, surface, dpi);
    }
}

} // namespace hueloom
