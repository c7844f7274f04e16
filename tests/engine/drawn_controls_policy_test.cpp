// When the plug-in draws push buttons, up-downs, scroll bars and combo boxes itself: only
// with colours in force and without a native dark theme (faked builds and dark-mode
// functions through the seam); and that Reset and destruction leave no subclass behind.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include "engine/combo_button.h"
#include "engine/fallback_painting.h"
#include "engine/native_theming.h"
#include "engine/push_button.h"
#include "engine/registry.h"
#include "engine/scroll_bar.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "engine/up_down.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "look_scene.h"
#include "theme/theme_state.h"

using namespace testing;
using hueloom::Mode;
using hueloom::SubclassId;

namespace {

struct Controls {
    HWND button, upDown, scrollBar, combo, check, group;
    explicit Controls(EngineScene& scene)
        : button(scene.child(L"Button", BS_PUSHBUTTON, L"Go")),
          upDown(scene.child(UPDOWN_CLASSW, 0)),
          scrollBar(scene.child(L"ScrollBar", SBS_HORZ)),
          combo(scene.child(L"ComboBox", CBS_DROPDOWNLIST)),
          check(scene.child(L"Button", BS_AUTOCHECKBOX, L"Check")),
          group(scene.child(L"Button", BS_GROUPBOX, L"Group")) {}

    // Whether each of the four carries the subclass that draws it.
    [[nodiscard]] int drawnCount() const {
        return hasSubclass(button, hueloom::pushButtonSubclassProc, idOf(SubclassId::PushButton)) +
               hasSubclass(upDown, hueloom::upDownSubclassProc, idOf(SubclassId::UpDown)) +
               hasSubclass(scrollBar, hueloom::scrollBarSubclassProc, idOf(SubclassId::ScrollBar)) +
               hasSubclass(combo, hueloom::comboButtonSubclassProc, idOf(SubclassId::ComboButton));
    }
};

int themedIn(int build, bool withOrdinals, Mode mode) {
    EngineScene scene(build, withOrdinals);
    Controls controls(scene);
    scene.setMode(mode);
    hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);
    CHECK_FALSE(hueloom::windowRegistry().fallbackPainted.contains(controls.check));
    CHECK_FALSE(hueloom::windowRegistry().fallbackPainted.contains(controls.group));
    return controls.drawnCount();
}

} // namespace

TEST_CASE("the four kinds are drawn exactly where no native dark theme draws them") {
    CHECK(themedIn(7601, false, Mode::Dark) == 4);     // Wine as it comes, Windows 7
    CHECK(themedIn(7601, false, Mode::Light) == 4);
    CHECK(themedIn(17134, true, Mode::Dark) == 4);     // functions present, build too old
    CHECK(themedIn(19045, false, Mode::Dark) == 4);    // Wine reporting Windows 10
    CHECK(themedIn(19045, true, Mode::Dark) == 0);     // Windows 10 with its dark theme
    CHECK(themedIn(22631, true, Mode::Light) == 0);
    CHECK(themedIn(7601, false, Mode::System) == 0);
}

TEST_CASE("with the native dark theme the controls keep the system's dark names") {
    EngineScene scene(19045, true);
    Controls controls(scene);
    scene.setMode(Mode::Dark);
    hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);
    const SystemCallLog& log = SystemCallLog::current();
    CHECK(log.lastThemeFor(controls.button) == L"DarkMode_Explorer");
    CHECK(log.lastThemeFor(controls.scrollBar) == L"DarkMode_Explorer");
    CHECK(log.lastThemeFor(controls.upDown) == L"DarkMode_Explorer");
    CHECK(log.lastThemeFor(controls.combo) == L"DarkMode_CFD");
    CHECK(hueloom::windowRegistry().fallbackPainted.empty());
}

TEST_CASE("colours without an active theme (a caption colour in System mode) draw nothing") {
    EngineScene scene(7601, false);
    Controls controls(scene);
    scene.setMode(Mode::Dark);
    hueloom::currentTheme().active = false;
    hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);
    CHECK(controls.drawnCount() == 0);
}

TEST_CASE("Reset takes every drawing subclass off; a destroyed control takes its own off") {
    EngineScene scene(7601, false);
    Controls controls(scene);
    scene.setMode(Mode::Dark);
    hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);
    REQUIRE(controls.drawnCount() == 4);

    SUBCASE("destroyed") {
        DestroyWindow(controls.scrollBar);
        CHECK_FALSE(hueloom::windowRegistry().fallbackPainted.contains(controls.scrollBar));
        CHECK(hueloom::windowRegistry().fallbackPainted.size() == 3);
    }
    SUBCASE("Reset") {
        hueloom::restoreStockLook();
        CHECK(controls.drawnCount() == 0);
        CHECK(hueloom::windowRegistry().fallbackPainted.empty());
        // A later pass in System mode puts nothing back.
        hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);
        CHECK(controls.drawnCount() == 0);
    }
    SUBCASE("switching to a native dark theme hands the painting back at once") {
        testing::installRecordingSystem(19045, true);
        CHECK_FALSE(hueloom::fallbackPaintingInForce());
        // Still subclassed until Reset, but painting passes through.
        DibCanvas canvas(120, 24);
        canvas.fill(RGB(255, 0, 255));
        SendMessageW(controls.button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        CHECK(canvas.pixel(60, 12) != hueloom::currentTheme().controlBack);
    }
}

TEST_CASE("without SetWindowSubclass nothing is drawn and nothing is recorded") {
    EngineScene scene(7601, false);
    Controls controls(scene);
    scene.setMode(Mode::Dark);
    testing::TestSeam::system().setWindowSubclass = nullptr;
    hueloom::refreshWindows(hueloom::RefreshScope::AllWindows);
    CHECK(controls.drawnCount() == 0);
    CHECK(hueloom::windowRegistry().fallbackPainted.empty());
}

TEST_CASE("many theme switches leave no GDI object and no subclass behind") {
    LookScene host;
    host.child(L"Button", BS_DEFPUSHBUTTON, {10, 10, 110, 40}, L"OK");
    host.child(L"ScrollBar", SBS_VERT, {120, 10, 138, 150});
    host.child(UPDOWN_CLASSW, 0, {150, 10, 170, 50});
    host.child(L"ComboBox", CBS_DROPDOWN, {180, 10, 330, 200});
    host.apply(Look::Dark);
    host.reset();
    pumpMessages(50);
    const int freeBefore = freeGdiHandles();
    for (int round = 0; round < 40; ++round) {
        host.apply(Look::Dark);
        pumpMessages(5);
        host.apply(Look::Custom);
        host.apply(Look::Light);
        pumpMessages(5);
        host.reset();
    }
    pumpMessages(50);
    CHECK(freeGdiHandles() >= freeBefore);
    CHECK(hueloom::windowRegistry().fallbackPainted.empty());
    for (HWND child = GetWindow(host.host(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        CHECK_FALSE(hasSubclass(child, hueloom::pushButtonSubclassProc, idOf(SubclassId::PushButton)));
        CHECK_FALSE(hasSubclass(child, hueloom::scrollBarSubclassProc, idOf(SubclassId::ScrollBar)));
        CHECK_FALSE(hasSubclass(child, hueloom::upDownSubclassProc, idOf(SubclassId::UpDown)));
        CHECK_FALSE(hasSubclass(child, hueloom::comboButtonSubclassProc, idOf(SubclassId::ComboButton)));
    }
}
