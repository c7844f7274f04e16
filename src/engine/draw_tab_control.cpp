// Tab controls: the body, then each tab, the selected one last so it lies over its
// neighbours and the body's frame.
#include "engine/control_painting.h"
#include "engine/drawn_controls.h"
#include "paint/tab_painter.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kTextCapacity = 260;

// The body: the client area below (or above) the rows of tabs.
RECT bodyOf(HWND tabs, const RECT& client, TabEdge edge, int count) {
    RECT body = client;
    for (int index = 0; index < count; ++index) {
        RECT rect{};
        if (!SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)))
            continue;
        if (edge == TabEdge::Top && rect.bottom > body.top) body.top = rect.bottom;
        if (edge == TabEdge::Bottom && rect.top < body.bottom) body.bottom = rect.top;
    }
    return body;
}

void drawOneTab(HWND tabs, HDC dc, int index, const TabLook& base, const Surface& surface, TabEdge edge,
                bool framed, bool ownerDrawn) {
    RECT rect{};
    if (!SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect))) return;
    wchar_t text[kTextCapacity] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text;
    item.cchTextMax = kTextCapacity;
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    TabLook look = base;
    if (!ownerDrawn) look.text = item.pszText ? item.pszText : text;
    paintTab(dc, rect, look, surface, edge, framed);
    // As the system does for owner-drawn tabs: the parent draws the inside.
    if (ownerDrawn) askOwnerToDraw(tabs, dc, ODT_TAB, index, rect, static_cast<ULONG_PTR>(item.lParam), look.selected);
}

} // namespace

int tabAt(HWND tabs, POINT point) {
    TCHITTESTINFO hit{};
    hit.pt = point;
    return static_cast<int>(SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void drawTabControl(HWND tabs, HDC dc) {
    const Surface surface = pageSurface(currentTheme());
    RECT client{};
    GetClientRect(tabs, &client);
    const LONG style = GetWindowLongW(tabs, GWL_STYLE);
    const TabEdge edge = (style & TCS_BOTTOM) ? TabEdge::Bottom : TabEdge::Top;
    const bool framed = (style & TCS_BUTTONS) == 0;
    const bool ownerDrawn = (style & TCS_OWNERDRAWFIXED) != 0;
    const auto count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));

    paintTabBody(dc, client, surface, false);  // the page colour round the tabs
    if (framed) paintTabBody(dc, bodyOf(tabs, client, edge, count), surface, true);

    const auto selected = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    const bool hasFocus = GetFocus() == tabs;
    const auto focusedTab = static_cast<int>(SendMessageW(tabs, TCM_GETCURFOCUS, 0, 0));
    const HotPart hot = hotPart();
    TabLook base;
    base.enabled = IsWindowEnabled(tabs) != FALSE;
    for (int index = 0; index < count; ++index) {
        if (index == selected) continue;
        TabLook look = base;
        look.hot = base.enabled && hot.window == tabs && hot.part == index;
        look.focused = hasFocus && index == focusedTab;
        drawOneTab(tabs, dc, index, look, surface, edge, framed, ownerDrawn);
    }
    if (selected >= 0 && selected < count) {
        TabLook look = base;
        look.selected = true;
        look.focused = hasFocus && selected == focusedTab;
        drawOneTab(tabs, dc, selected, look, surface, edge, framed, ownerDrawn);
    }
}

} // namespace hueloom
