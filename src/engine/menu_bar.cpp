#include "engine/menu_bar.h"

#include "engine/fallback_painting.h"
#include "engine/registry.h"
#include "paint/menu_bar_painter.h"
#include "platform/module_pin.h"
#include "platform/native_theme.h"
#include "platform/subclass.h"
#include "platform/uah_menu.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kItemTextChars = 256;
constexpr UINT kRedrawFrame = RDW_INVALIDATE | RDW_FRAME;

bool drawingInForce() { return themeColorsInForce() && nativeDarkThemeAvailable(); }

// The menu bar in the window's own coordinates, as a window DC sees it.
bool menuBarRect(HWND window, RECT& bar) {
    MENUBARINFO info{};
    info.cbSize = sizeof info;
    RECT frame{};
    if (!GetMenuBarInfo(window, OBJID_MENU, 0, &info) || !GetWindowRect(window, &frame)) return false;
    bar = info.rcBar;
    OffsetRect(&bar, -frame.left, -frame.top);
    return bar.right > bar.left && bar.bottom > bar.top;
}

void drawBar(HWND window, const UahMenu& menu) {
    RECT bar{};
    if (menuBarRect(window, bar)) paintMenuBarBackground(menu.dc, bar, currentTheme());
}

void drawItem(const UahDrawMenuItem& draw) {
    wchar_t text[kItemTextChars] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = text;
    item.cch = kItemTextChars - 1;
    if (!GetMenuItemInfoW(draw.menu.menu, static_cast<UINT>(draw.menuItem.position), TRUE, &item)) item.cch = 0;

    const UINT state = draw.item.itemState;
    MenuBarItemLook look;
    look.hot = (state & ODS_HOTLIGHT) != 0;
    look.selected = (state & ODS_SELECTED) != 0;
    look.enabled = (state & (ODS_GRAYED | ODS_DISABLED | ODS_INACTIVE)) == 0;
    look.hidePrefix = (state & ODS_NOACCEL) != 0;
    paintMenuBarItem(draw.item.hDC, draw.item.rcItem, std::wstring_view(text, item.cch), look, currentTheme());
}

// The system's one-pixel line under the bar, over the top of the client edge.
void coverLineUnderBar(HWND window) {
    RECT line{};
    if (!menuBarRect(window, line)) return;
    line.top = line.bottom;
    line.bottom = line.top + 1;
    if (HDC dc = GetWindowDC(window)) {
        paintMenuBarBackground(dc, line, currentTheme());
        ReleaseDC(window, dc);
    }
}

} // namespace

void themeMenuBar(HWND window) {
    if (!window || !drawingInForce() || !canSubclass() || !GetMenu(window)) return;
    WindowSet& subclassed = windowRegistry().menuBarSubclassed;
    if (subclassed.contains(window)) return;
    if (installSubclass(window, menuBarSubclassProc, SubclassId::MenuBar)) {
        subclassed.insert(window);
        pinModule();
        RedrawWindow(window, nullptr, nullptr, kRedrawFrame);
    }
}

void removeMenuBarTheming() {
    WindowSet& subclassed = windowRegistry().menuBarSubclassed;
    for (HWND window : subclassed.windows()) {
        if (!IsWindow(window)) continue;
        removeSubclass(window, menuBarSubclassProc, SubclassId::MenuBar);
        RedrawWindow(window, nullptr, nullptr, kRedrawFrame);
    }
    subclassed.clear();
}

LRESULT CALLBACK menuBarSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR subclassId, DWORD_PTR) {
    switch (message) {
    case kUahDrawMenu:
        if (!drawingInForce() || !lParam) break;
        drawBar(window, *reinterpret_cast<const UahMenu*>(lParam));
        return TRUE;
    case kUahDrawMenuItem:
        if (!drawingInForce() || !lParam) break;
        drawItem(*reinterpret_cast<const UahDrawMenuItem*>(lParam));
        return TRUE;
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
        const LRESULT result = defaultSubclassProcessing(window, message, wParam, lParam);
        if (drawingInForce()) coverLineUnderBar(window);
        return result;
    }
    case WM_NCDESTROY:
        removeSubclass(window, menuBarSubclassProc, static_cast<SubclassId>(subclassId));
        windowRegistry().menuBarSubclassed.erase(window);
        break;
    default:
        break;
    }
    return defaultSubclassProcessing(window, message, wParam, lParam);
}

} // namespace hueloom
