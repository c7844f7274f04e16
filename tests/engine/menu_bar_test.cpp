// Menu bars drawn through the system's undocumented menu-bar messages, on a faked build with
// a native dark theme: the messages are synthesised as the system sends them.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "engine/menu_bar.h"
#include "engine/registry.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "paint/surface_colors.h"
#include "platform/subclass.h"
#include "platform/uah_menu.h"
#include "theme/theme_state.h"

using namespace testing;
using hueloom::Mode;

namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);

HMENU fileEditHelp() {
    HMENU bar = CreateMenu();
    for (const wchar_t* title : {L"&File", L"&Edit", L"&Help"}) {
        HMENU popup = CreatePopupMenu();
        AppendMenuW(popup, MF_STRING, 1, L"&Open");
        AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title);
    }
    return bar;
}

// One window with a menu for all these tests: under Wine without a window manager,
// destroying a shown top-level window waits for the X server.
HWND sharedMenuWindow() {
    static HWND window = nullptr;
    if (!IsWindow(window))
        window = CreateWindowExW(0, L"HueloomTestWindow", L"Menu window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120,
                                 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return window;
}

struct MenuScene {
    EngineScene scene;
    HWND window;
    HMENU menu;

    MenuScene(int build, bool withOrdinals, Mode mode = Mode::Dark) : scene(build, withOrdinals) {
        window = sharedMenuWindow();
        menu = fileEditHelp();
        SetMenu(window, menu);
        scene.setMode(mode);
        hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);
    }
    ~MenuScene() {
        RemoveWindowSubclass(window, hueloom::menuBarSubclassProc, hueloom::idOf(hueloom::SubclassId::MenuBar));
        SetMenu(window, nullptr);
        DestroyMenu(menu);
    }
    MenuScene(const MenuScene&) = delete;
    MenuScene& operator=(const MenuScene&) = delete;
    [[nodiscard]] bool subclassed() const {
        return hasSubclass(window, hueloom::menuBarSubclassProc, hueloom::idOf(hueloom::SubclassId::MenuBar));
    }
    // The bar in window coordinates, where a window DC and the system's drawing put it.
    [[nodiscard]] RECT bar() const {
        MENUBARINFO info{};
        info.cbSize = sizeof info;
        REQUIRE(GetMenuBarInfo(window, OBJID_MENU, 0, &info));
        RECT frame{};
        GetWindowRect(window, &frame);
        OffsetRect(&info.rcBar, -frame.left, -frame.top);
        return info.rcBar;
    }
};

struct WindowCanvas {
    DibCanvas canvas;
    explicit WindowCanvas(HWND window) : canvas(width(window), height(window)) { canvas.fill(kUntouched); }
    static int width(HWND w) { RECT r{}; GetWindowRect(w, &r); return r.right - r.left; }
    static int height(HWND w) { RECT r{}; GetWindowRect(w, &r); return r.bottom - r.top; }
};

LRESULT drawBar(HWND window, HMENU menu, HDC dc) {
    hueloom::UahMenu uah{menu, dc, 0};
    return SendMessageW(window, hueloom::kUahDrawMenu, 0, reinterpret_cast<LPARAM>(&uah));
}

LRESULT drawItem(HWND window, HMENU menu, HDC dc, int position, UINT state, RECT item) {
    hueloom::UahDrawMenuItem draw{};
    draw.item.CtlType = ODT_MENU;
    draw.item.itemState = state;
    draw.item.hDC = dc;
    draw.item.rcItem = item;
    draw.menu = {menu, dc, 0};
    draw.menuItem.position = position;
    return SendMessageW(window, hueloom::kUahDrawMenuItem, 0, reinterpret_cast<LPARAM>(&draw));
}

int count(const DibCanvas& canvas, RECT area, COLORREF colour) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += canvas.pixel(x, y) == colour;
    return n;
}

} // namespace

TEST_CASE("the system's menu-bar messages are answered in the theme on a build with native dark mode") {
    MenuScene s(19045, true);
    REQUIRE(s.subclassed());
    const hueloom::ThemeState& t = hueloom::currentTheme();
    const RECT bar = s.bar();
    REQUIRE(bar.bottom > bar.top);

    SUBCASE("the bar's background, and nothing outside it") {
        WindowCanvas c(s.window);
        CHECK(drawBar(s.window, s.menu, c.canvas.dc()) == TRUE);
        CHECK(c.canvas.pixel((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2) == t.pageBack);
        CHECK(c.canvas.pixel(bar.left, bar.top) == t.pageBack);
        CHECK(c.canvas.pixel(bar.right - 1, bar.bottom - 1) == t.pageBack);
        CHECK(c.canvas.pixel(bar.left, bar.bottom) == kUntouched);
        CHECK(c.canvas.pixel(bar.left, bar.top - 1) == kUntouched);
    }
    SUBCASE("items: text in the theme, hot and open items shaded, greyed and inactive ones dimmed") {
        const RECT item{0, 0, 60, 20};
        const auto itemCanvas = [&](UINT state, int position = 1) {
            auto canvas = std::make_unique<DibCanvas>(60, 20);
            canvas->fill(kUntouched);
            CHECK(drawItem(s.window, s.menu, canvas->dc(), position, state, item) == TRUE);
            return canvas;
        };
        const auto normal = itemCanvas(0);
        CHECK(normal->pixel(1, 1) == t.pageBack);
        CHECK(count(*normal, item, t.controlText) > 10);
        const hueloom::Surface page = hueloom::pageSurface(t);
        CHECK(itemCanvas(ODS_HOTLIGHT)->pixel(1, 1) == page.hotFace);
        CHECK(itemCanvas(ODS_SELECTED)->pixel(1, 1) == page.pressedFace);
        for (UINT dim : {UINT(ODS_GRAYED), UINT(ODS_DISABLED), UINT(ODS_INACTIVE)}) {
            const auto dimmed = itemCanvas(dim);
            CHECK(count(*dimmed, item, t.controlText) == 0);
            CHECK(count(*dimmed, item, hueloom::pageSurface(t).disabledText) > 10);
        }
        // A position the menu does not have draws only its background.
        const auto missing = itemCanvas(0, 9);
        CHECK(count(*missing, item, t.pageBack) == 60 * 20);
    }
    SUBCASE("the line the system draws under the bar takes the bar's colour") {
        SendMessageW(s.window, WM_NCACTIVATE, TRUE, 0);
        HDC dc = GetWindowDC(s.window);
        const COLORREF line = GetPixel(dc, (bar.left + bar.right) / 2, bar.bottom);
        ReleaseDC(s.window, dc);
        CHECK(line == t.pageBack);
    }
    SUBCASE("Light and custom colours follow") {
        s.scene.setMode(Mode::Light);
        hueloom::currentTheme().pageBack = RGB(10, 60, 90);
        WindowCanvas c(s.window);
        drawBar(s.window, s.menu, c.canvas.dc());
        CHECK(c.canvas.pixel((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2) == RGB(10, 60, 90));
    }
}

TEST_CASE("menu bars are left to the system without a native dark theme, without colours, and after Reset") {
    SUBCASE("Wine as it comes") {
        MenuScene s(7601, false);
        CHECK_FALSE(s.subclassed());
        WindowCanvas c(s.window);
        CHECK(drawBar(s.window, s.menu, c.canvas.dc()) == 0);  // DefWindowProc knows no such message
        CHECK(c.canvas.pixel(s.bar().left + 2, s.bar().top + 2) == kUntouched);
    }
    SUBCASE("Wine reporting Windows 10") {
        MenuScene s(19045, false);
        CHECK_FALSE(s.subclassed());
    }
    SUBCASE("System mode") {
        MenuScene s(19045, true, Mode::System);
        CHECK_FALSE(s.subclassed());
    }
    SUBCASE("Reset takes the subclass off; a window's own destruction too") {
        MenuScene s(19045, true);
        REQUIRE(s.subclassed());
        HWND second = s.scene.topLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        SetMenu(second, fileEditHelp());
        hueloom::refreshWindows(hueloom::RefreshScope::NewWindowsOnly);  // a menu that came later
        REQUIRE(hueloom::windowRegistry().menuBarSubclassed.contains(second));
        DestroyWindow(second);
        CHECK_FALSE(hueloom::windowRegistry().menuBarSubclassed.contains(second));
        hueloom::restoreStockLook();
        CHECK_FALSE(s.subclassed());
        CHECK(hueloom::windowRegistry().menuBarSubclassed.empty());
        WindowCanvas c(s.window);
        CHECK(drawBar(s.window, s.menu, c.canvas.dc()) == 0);
    }
    SUBCASE("a window without a menu gets no subclass") {
        EngineScene scene(19045, true);
        HWND plain = sharedMenuWindow();
        scene.setMode(Mode::Dark);
        hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);
        CHECK_FALSE(hasSubclass(plain, hueloom::menuBarSubclassProc, hueloom::idOf(hueloom::SubclassId::MenuBar)));
    }
}
