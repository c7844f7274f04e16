// The painter subclass: the theming pass gives each drawn control its painter and finds
// tooltips (top-level windows); Reset and a window's end take it off; it hands painting
// back while the theme is off; its own questions never make it paint again; painting and
// switching themes leaks no GDI object.
#include <doctest.h>

#include "engine/control_painting.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "look_scene.h"
#include "plugin/lifecycle.h"
#include "support/screen_pixels.h"
#include "theme/theme_state.h"

using namespace testing;
using hueloom::ControlKind;
using hueloom::SubclassId;

namespace {

bool hasPainter(HWND window, SubclassId id) {
    return hasSubclass(window, hueloom::controlPainterProc, hueloom::idOf(id));
}

// Counts WM_PAINT that reach a control after every subclass of the plug-in's.
struct PaintCounter {
    static inline int paints = 0;
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
        if (message == WM_PAINT) ++paints;
        return DefSubclassProc(window, message, wParam, lParam);
    }
};

} // namespace

TEST_CASE("the pass gives each drawn control its painter once; Reset and destruction take it off") {
    EngineScene scene;
    HWND header = scene.child(WC_HEADERW);
    HWND tabs = scene.child(WC_TABCONTROLW);
    HWND bar = scene.child(PROGRESS_CLASSW);
    HWND group = scene.child(WC_BUTTONW, BS_GROUPBOX, L"Group");
    HWND status = scene.child(STATUSCLASSNAMEW);
    HWND edit = scene.child(WC_EDITW);
    scene.setMode(hueloom::Mode::Dark);
    hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);

    CHECK(testing::registeredKind(status) == ControlKind::StatusBar);
    CHECK(hasPainter(header, SubclassId::HeaderPaint));
    CHECK(hasPainter(tabs, SubclassId::TabPaint));
    CHECK(hasPainter(bar, SubclassId::ProgressPaint));
    CHECK(hasPainter(group, SubclassId::GroupBoxPaint));
    CHECK(hasPainter(status, SubclassId::StatusBarPaint));
    CHECK_FALSE(hueloom::windowRegistry().paintedControls.contains(edit));
    CHECK(hueloom::windowRegistry().paintedControls.size() == 5);

    // Another full pass in another mode installs nothing again.
    SystemCallLog::current().clear();
    scene.setMode(hueloom::Mode::Light);
    hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);
    CHECK(SystemCallLog::current().subclassCallsFor(header) == 0);

    SUBCASE("destroyed") {
        DestroyWindow(bar);
        CHECK_FALSE(hueloom::windowRegistry().paintedControls.contains(bar));
    }
    SUBCASE("Reset") {
        SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        hueloom::restoreStockLook();
        for (HWND window : {header, tabs, bar, group, status}) {
            CHECK_FALSE(hasPainter(window, SubclassId::HeaderPaint));
            CHECK_FALSE(hasPainter(window, SubclassId::TabPaint));
            CHECK_FALSE(hasPainter(window, SubclassId::ProgressPaint));
            CHECK_FALSE(hasPainter(window, SubclassId::GroupBoxPaint));
            CHECK_FALSE(hasPainter(window, SubclassId::StatusBarPaint));
        }
        CHECK(hueloom::windowRegistry().paintedControls.empty());
        CHECK(hueloom::hotPart().window == nullptr);
    }
    SUBCASE("System mode installs no painter") {
        HWND late = scene.child(WC_HEADERW);
        scene.setMode(hueloom::Mode::System);
        hueloom::refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
        CHECK_FALSE(hueloom::windowRegistry().paintedControls.contains(late));
    }
}

TEST_CASE("tooltips, top-level windows of their own, are themed by the pass without a parent subclass") {
    EngineScene scene;
    HWND earlier = scene.own(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                             GetModuleHandleW(nullptr), nullptr));
    hueloom::handleHostMessage(1);
    HWND tip = scene.own(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, scene.host(), nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
    scene.setMode(hueloom::Mode::Dark);
    hueloom::refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    CHECK(testing::registeredKind(tip) == ControlKind::ToolTip);
    CHECK(hasPainter(tip, SubclassId::ToolTipPaint));
    CHECK(SystemCallLog::current().lastThemeFor(tip) == L"DarkMode_Explorer");
    // Its owner is not taken for a parent whose colour messages need answering.
    CHECK(SystemCallLog::current().subclassCallsFor(scene.host()) == 0);
    // One that was there before the publication, not the host's, is left alone.
    CHECK_FALSE(testing::isRegistered(earlier));
    // A balloon tip keeps the system's drawing: its shape is a window region of its own.
    HWND balloon = scene.own(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_BALLOON, 0, 0, 0, 0,
                                             scene.host(), nullptr, GetModuleHandleW(nullptr), nullptr));
    hueloom::refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    CHECK(testing::registeredKind(balloon) == ControlKind::ToolTip);
    CHECK_FALSE(hueloom::windowRegistry().paintedControls.contains(balloon));

    SystemCallLog::current().clear();
    hueloom::refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    CHECK(SystemCallLog::current().subclassed.empty());
    CHECK(SystemCallLog::current().themes.empty());
}

TEST_CASE("while the plug-in's colours are off, the painters leave the drawing to the system") {
    LookScene scene;
    HWND header = scene.header();
    HWND bar = scene.progress();
    const PixelGrid stockHeader = printClient(header);
    const PixelGrid stockBar = printClient(bar);
    scene.apply(Look::Dark);
    REQUIRE(countDifferent(stockHeader, printClient(header), 0) > 100);
    // The title-bar-only light mode: a mode, but not the plug-in's colours.
    hueloom::currentTheme().active = false;
    CHECK(countDifferent(stockHeader, printClient(header), 0) == 0);
    CHECK(countDifferent(stockBar, printClient(bar), 0) == 0);
    hueloom::currentTheme().active = true;
}

TEST_CASE("a change draws at once, and the painter's own questions never make it paint again") {
    LookScene scene;
    HWND bar = scene.progress();
    HWND status = scene.statusBar();
    scene.apply(Look::Dark);
    for (HWND control : {bar, status}) {
        SetWindowSubclass(control, PaintCounter::proc, 1, 0);
        UpdateWindow(control);
    }
    PaintCounter::paints = 0;
    SendMessageW(bar, PBM_SETPOS, 80, 0);
    CHECK(PaintCounter::paints == 1);
    CHECK_FALSE(hasUpdateRegion(bar));
    PaintCounter::paints = 0;
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Saved"));
    CHECK(PaintCounter::paints == 1);
    // Printing asks the control its range, position, parts and texts: no paint follows.
    PaintCounter::paints = 0;
    (void)printClient(bar);
    (void)printClient(status);
    CHECK(PaintCounter::paints == 0);
    for (HWND control : {bar, status}) RemoveWindowSubclass(control, PaintCounter::proc, 1);
}

TEST_CASE("hot parts: one at a time across controls, gone when the mouse leaves") {
    LookScene scene;
    HWND header = scene.header();
    HWND tabs = scene.tabs();
    scene.apply(Look::Dark);
    SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(100, 10));
    CHECK(hueloom::hotPart().window == header);
    CHECK(hueloom::hotPart().part == 1);
    SendMessageW(tabs, WM_MOUSEMOVE, 0, MAKELPARAM(10, 8));
    CHECK(hueloom::hotPart().window == tabs);
    CHECK(hueloom::hotPart().part == 0);
    CHECK(hasUpdateRegion(header));  // the header loses its hot item
    SendMessageW(header, WM_MOUSELEAVE, 0, 0);
    CHECK(hueloom::hotPart().window == tabs);  // a late leave of another control changes nothing
    SendMessageW(tabs, WM_MOUSEMOVE, 0, MAKELPARAM(200, 100));  // over the body: no tab
    CHECK(hueloom::hotPart().part == -1);
    DestroyWindow(tabs);
    CHECK(hueloom::hotPart().window == nullptr);
}

TEST_CASE("painting every drawn and coloured control through many theme changes leaks no GDI object") {
    LookScene scene;
    const HWND controls[] = {scene.header(),    scene.tabs(),     scene.progress(), scene.progress(PBS_MARQUEE),
                             scene.groupBox(),  scene.statusBar(), scene.toolTip(),  scene.listView(),
                             scene.treeView(),  scene.richEdit()};
    const auto round = [&](Look look) {
        scene.apply(look);
        for (HWND control : controls) {
            (void)captureClient(control);
            (void)printClient(control);
        }
        scene.reset();
    };
    for (Look look : kAllLooks) round(look);  // the system's caches fill on first use
    const int before = freeGdiHandles();
    for (int i = 0; i < 10; ++i)
        for (Look look : kAllLooks) round(look);
    CHECK(freeGdiHandles() == before);
}
