// The theme actions through the exported entry point: state of the theme record after
// each action, the exact answers in [Skin.LastError] per Windows build, and Reset.
#include <doctest.h>

#include "engine/auto_refresh.h"
#include "engine/registry.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "overlay/overlay_binding.h"
#include "paint/theme_brushes.h"
#include "support/test_seam.h"
#include "theme/theme_state.h"
#include "theme_test_support.h"

using namespace hueloom;
using namespace testing;

namespace {

enum Action { SetMode = 2, SetColors = 3, SetTitleBar = 4, Reset = 7, BeginUpdate = 9, EndUpdate = 10, SetAccent = 11 };

constexpr char kResetAnswer[] = "OK - Reset to Windows defaults";

ThemeState& theme() { return hueloom::currentTheme(); }

void checkDarkPalette() {
    CHECK(theme().controlBack == rgb(32, 32, 32));
    CHECK(theme().controlText == rgb(240, 240, 240));
    CHECK(theme().pageBack == rgb(24, 24, 24));
    CHECK(theme().accent == rgb(61, 100, 249));
}

void checkLightPalette() {
    CHECK(theme().controlBack == rgb(255, 255, 255));
    CHECK(theme().controlText == rgb(0, 0, 0));
    CHECK(theme().pageBack == rgb(240, 240, 240));
    CHECK(theme().accent == rgb(0, 120, 215));
}

void checkStockColors() {
    CHECK(theme().mode == Mode::System);
    CHECK_FALSE(theme().active);
    CHECK(theme().controlBack == rgb(255, 255, 255));
    CHECK(theme().controlText == rgb(0, 0, 0));
    CHECK(theme().pageBack == rgb(240, 240, 240));
    CHECK_FALSE(theme().titleBar.has_value());
    CHECK_FALSE(theme().titleText.has_value());
}

} // namespace

TEST_CASE("SetMode words select Dark and Light; the eight variables follow") {
    EngineScene scene(19045);
    for (const char* word : {" Dark ", "DARK", "1"}) {
        CAPTURE(word);
        host().clear();
        CHECK(executeAction(SetMode, {word}) == 1);
        CHECK(theme().mode == Mode::Dark);
        CHECK(theme().active);
        CHECK(themeBrushes().control != nullptr);
        checkDarkPalette();
        CHECK(host().lastError() == "OK");
        CHECK(setNames() == std::vector<std::string>{"[Skin.Mode]", "[Skin.ControlBack]", "[Skin.ControlText]",
                                                     "[Skin.PageColor]", "[Skin.Accent]", "[Skin.Glyphs]",
                                                     "[Skin.TitleBar]", "[Skin.TitleText]", "[Skin.LastError]"});
        CHECK(host().var("[Skin.Mode]") == "Dark");
        CHECK(host().var("[Skin.ControlBack]") == "32,32,32");
        CHECK(host().var("[Skin.TitleBar]").empty());
    }
    CHECK(executeAction(SetMode, {"2"}) == 1);
    CHECK(theme().mode == Mode::Light);
    checkLightPalette();
    CHECK(host().var("[Skin.PageColor]") == "240,240,240");
    CHECK(host().var("[Skin.Accent]") == "0,120,215");
    // The auto-refresh timer is left running by every colour change.
    CHECK(hueloom::autoRefreshState().running);
}

TEST_CASE("SetMode with a system word or empty text is exactly Reset") {
    EngineScene scene(19045);
    for (const char* word : {"", "  ", "system", "Default", "NONE", "0"}) {
        CAPTURE(word);
        executeAction(SetMode, {"Dark"});
        host().clear();
        CHECK(executeAction(SetMode, {word}) == 1);
        checkStockColors();
        CHECK(host().lastError() == kResetAnswer);
        CHECK(host().has("[Skin.Name]"));
        CHECK(host().has("[Skin.File]"));
        CHECK(host().var("[Skin.Mode]") == "System");
        CHECK_FALSE(hueloom::autoRefreshState().running);
    }
}

TEST_CASE("SetMode with an unknown word answers in the script's letter case and changes nothing") {
    EngineScene scene(19045);
    executeAction(SetMode, {"Light"});
    const ThemeSnapshot before = ThemeSnapshot::now();
    host().clear();
    CHECK(executeAction(SetMode, {" Blue"}) == 0);
    CHECK(host().lastError() == "Unknown mode ' Blue'. Use Dark, Light or System");
    CHECK(setNames() == std::vector<std::string>{"[Skin.LastError]"});
    CHECK(ThemeSnapshot::now() == before);
    CHECK(executeAction(SetMode, {"\tdark"}) == 0);  // tabs are not trimmed
}

TEST_CASE("SetMode answers per Windows build") {
    SUBCASE("17134: colours applied, native dark mode missing") {
        EngineScene scene(17134, false);
        CHECK(executeAction(SetMode, {"Dark"}) == 1);
        CHECK(host().lastError() ==
              "OK - colors applied; native dark mode needs Windows 10 1809+ (build 17134)");
        checkDarkPalette();
        CHECK(theme().active);
    }
    SUBCASE("17763 is the first build with native dark mode") {
        EngineScene scene(17763);
        CHECK(executeAction(SetMode, {"Light"}) == 1);
        CHECK(host().lastError() == "OK");
    }
    SUBCASE("22631") {
        EngineScene scene(22631);
        CHECK(executeAction(SetMode, {"Dark"}) == 1);
        CHECK(host().lastError() == "OK");
    }
}

TEST_CASE("SetMode clears caption colours set before") {
    EngineScene scene(22631);
    CHECK(executeAction(SetTitleBar, {"#102030", "white"}) == 1);
    CHECK(theme().titleBar == rgb(16, 32, 48));
    CHECK(executeAction(SetMode, {"Dark"}) == 1);
    CHECK_FALSE(theme().titleBar.has_value());
    CHECK_FALSE(theme().titleText.has_value());
}

TEST_CASE("SetColors in System mode picks the mode from the control background") {
    testing::TestSeam seam;
    EngineScene scene(19045);
    SUBCASE("three empty parameters: white controls, so Light, without its palette") {
        theme().accent = rgb(1, 2, 3);
        CHECK(executeAction(SetColors, {"", " ", ""}) == 1);
        CHECK(host().lastError() == "OK");
        CHECK(theme().mode == Mode::Light);
        CHECK(theme().active);
        CHECK(theme().controlBack == rgb(255, 255, 255));
        CHECK(theme().accent == rgb(1, 2, 3));
        CHECK(SystemCallLog::current().preferredAppMode == std::vector<int>{3});
    }
    SUBCASE("#202020 alone selects Dark and keeps text and page") {
        CHECK(executeAction(SetColors, {"#202020", "", ""}) == 1);
        CHECK(theme().mode == Mode::Dark);
        CHECK(theme().controlBack == rgb(32, 32, 32));
        CHECK(theme().controlText == rgb(0, 0, 0));
        CHECK(theme().pageBack == rgb(240, 240, 240));
        CHECK(host().var("[Skin.Mode]") == "Dark");
    }
    SUBCASE("the answer is OK on an old build as well") {
        seam.setWindowsBuild(7601);
        CHECK(executeAction(SetColors, {"navy", "white", "black"}) == 1);
        CHECK(host().lastError() == "OK");
    }
}

TEST_CASE("SetColors keeps the mode outside System and changes only the given colours") {
    EngineScene scene(19045);
    executeAction(SetMode, {"Light"});
    theme().titleBar = rgb(5, 5, 5);
    SystemCallLog::current().preferredAppMode.clear();
    CHECK(executeAction(SetColors, {"black", "", "1,2,3"}) == 1);
    CHECK(theme().mode == Mode::Light);  // dark colours do not switch an explicit mode
    CHECK(theme().controlBack == rgb(0, 0, 0));
    CHECK(theme().controlText == rgb(0, 0, 0));
    CHECK(theme().pageBack == rgb(1, 2, 3));
    CHECK(theme().accent == rgb(0, 120, 215));
    CHECK(theme().titleBar == rgb(5, 5, 5));
    CHECK(SystemCallLog::current().preferredAppMode.empty());
}

TEST_CASE("SetColors stops at a bad colour with the earlier ones stored and nothing rebuilt") {
    EngineScene scene(19045);
    CHECK(executeAction(SetColors, {"red", " not a colour ", "blue"}) == 0);
    CHECK(host().lastError() == "Bad color ' not a colour '");
    CHECK(theme().controlBack == rgb(255, 0, 0));
    CHECK(theme().pageBack == rgb(240, 240, 240));
    CHECK(theme().mode == Mode::System);
    CHECK_FALSE(theme().active);
    CHECK(themeBrushes().control == nullptr);
    CHECK_FALSE(hueloom::autoRefreshState().running);
    CHECK(setNames() == std::vector<std::string>{"[Skin.LastError]"});
}

TEST_CASE("SetAccent in System mode brings the Light palette with the given accent") {
    EngineScene scene(19045);
    SUBCASE("empty colour, glyphs off") {
        CHECK(executeAction(SetAccent, {"", "Off"}) == 1);
        CHECK(host().lastError() == "OK");
        CHECK(theme().mode == Mode::Light);
        CHECK(theme().active);
        checkLightPalette();
        CHECK_FALSE(theme().glyphs);
        CHECK(host().var("[Skin.Glyphs]") == "0");
    }
    SUBCASE("a colour survives the palette") {
        CHECK(executeAction(SetAccent, {"#FF8000", ""}) == 1);
        CHECK(theme().accent == rgb(255, 128, 0));
        CHECK(theme().controlBack == rgb(255, 255, 255));
        CHECK(host().var("[Skin.Accent]") == "255,128,0");
    }
}

TEST_CASE("SetAccent outside System mode touches only the accent and the glyph switch") {
    EngineScene scene(19045);
    executeAction(SetMode, {"Dark"});
    theme().glyphs = false;
    SystemCallLog::current().preferredAppMode.clear();
    CHECK(executeAction(SetAccent, {"#FF0000", ""}) == 1);
    CHECK(theme().accent == rgb(255, 0, 0));
    CHECK_FALSE(theme().glyphs);
    CHECK(theme().mode == Mode::Dark);
    CHECK(theme().controlBack == rgb(32, 32, 32));
    CHECK(SystemCallLog::current().preferredAppMode.empty());

    // Light for the title bar only (active 0) stays inactive.
    restoreStockLook();  // the silent reset of host message 2
    executeAction(SetTitleBar, {"navy", ""});
    REQUIRE(theme().mode == Mode::Light);
    REQUIRE_FALSE(theme().active);
    CHECK(executeAction(SetAccent, {"lime", ""}) == 1);
    CHECK_FALSE(theme().active);
    CHECK(theme().accent == rgb(0, 255, 0));
}

TEST_CASE("SetAccent glyph switch words and a bad colour") {
    EngineScene scene(19045);
    executeAction(SetMode, {"Light"});
    for (const char* on : {"yes", "On", "1", "anything"}) {
        theme().glyphs = false;
        CHECK(executeAction(SetAccent, {"", on}) == 1);
        CHECK(theme().glyphs);
    }
    for (const char* off : {"off", " OFF ", "0", "False"}) {
        theme().glyphs = true;
        CHECK(executeAction(SetAccent, {"", off}) == 1);
        CHECK_FALSE(theme().glyphs);
    }
    theme().glyphs = true;
    CHECK(executeAction(SetAccent, {"", "   "}) == 1);
    CHECK(theme().glyphs);

    const ThemeSnapshot before = ThemeSnapshot::now();
    CHECK(executeAction(SetAccent, {"#GGGGGG", "off"}) == 0);
    CHECK(host().lastError() == "Bad color '#GGGGGG'");
    CHECK(ThemeSnapshot::now() == before);  // the switch is not looked at
}

TEST_CASE("SetTitleBar: mode change only for a caption colour in System mode") {
    SUBCASE("two empty parameters leave System mode") {
        EngineScene scene(22631);
        CHECK(executeAction(SetTitleBar, {"", " "}) == 1);
        CHECK(theme().mode == Mode::System);
        CHECK_FALSE(theme().titleBar.has_value());
        CHECK(host().lastError() == "OK");
    }
    SUBCASE("a caption colour gives Light without the plug-in's control colours") {
        EngineScene scene(22631);
        CHECK(executeAction(SetTitleBar, {"black", ""}) == 1);
        CHECK(theme().mode == Mode::Light);
        CHECK_FALSE(theme().active);
        CHECK(theme().titleBar == Color{0});
        CHECK_FALSE(theme().titleText.has_value());
        CHECK(host().var("[Skin.TitleBar]") == "0,0,0");  // black is not the default
        CHECK(host().var("[Skin.TitleText]").empty());
        CHECK_FALSE(hueloom::autoRefreshState().running);
    }
    SUBCASE("caption colours need build 22000") {
        EngineScene scene(19045);
        CHECK(executeAction(SetTitleBar, {"red", "white"}) == 1);
        CHECK(host().lastError() ==
              "OK - caption colors need Windows 11 (build 22000+); immersive dark/light applied instead");
    }
    SUBCASE("a bad text colour keeps the caption colour stored") {
        EngineScene scene(22631);
        executeAction(SetMode, {"Dark"});
        CHECK(executeAction(SetTitleBar, {"red", "reddish"}) == 0);
        CHECK(host().lastError() == "Bad color 'reddish'");
        CHECK(theme().titleBar == rgb(255, 0, 0));
        CHECK(theme().mode == Mode::Dark);
    }
    SUBCASE("an empty parameter returns a colour to the default") {
        EngineScene scene(22631);
        executeAction(SetTitleBar, {"red", "white"});
        CHECK(executeAction(SetTitleBar, {"", "white"}) == 1);
        CHECK_FALSE(theme().titleBar.has_value());
        CHECK(theme().titleText == rgb(255, 255, 255));
    }
}

TEST_CASE("SetTitleBar sets the caption attributes on every top-level window anew") {
    EngineScene scene(22631);
    executeAction(SetMode, {"Light"});
    SystemCallLog::current().dwm.clear();
    CHECK(executeAction(SetTitleBar, {"#102030", ""}) == 1);
    bool captionSet = false;
    for (const auto& call : SystemCallLog::current().dwmFor(scene.host()))
        captionSet = captionSet || (call.attribute == 35 && call.value == rgb(16, 32, 48));
    CHECK(captionSet);
    CHECK(hueloom::windowRegistry().titleBarWindows.contains(scene.host()));
}

TEST_CASE("Reset restores the stock look and keeps accent, glyphs and article text") {
    EngineScene scene(22631);
    HWND edit = scene.child(WC_EDITW);
    HWND check = scene.child(WC_BUTTONW, BS_AUTOCHECKBOX, L"Check");
    executeAction(SetMode, {"Dark"});
    executeAction(SetAccent, {"#FF8000", "off"});
    theme().articleText = false;
    theme().skinName = L"x";
    REQUIRE(hueloom::windowRegistry().themedControls.contains(edit));
    CHECK_FALSE(hueloom::windowRegistry().colorSubclassed.empty());
    CHECK(hueloom::windowRegistry().glyphSubclassed.contains(check));
    SystemCallLog::current().themes.clear();
    host().clear();

    CHECK(executeAction(Reset, {}) == 1);
    CHECK(host().lastError() == kResetAnswer);
    checkStockColors();
    CHECK(theme().accent == rgb(255, 128, 0));
    CHECK_FALSE(theme().glyphs);
    CHECK_FALSE(theme().articleText);
    CHECK(theme().skinName.empty());
    CHECK(host().has("[Skin.Name]"));
    CHECK(host().var("[Skin.Name]").empty());
    CHECK(host().has("[Skin.File]"));
    CHECK(host().var("[Skin.Accent]") == "255,128,0");
    // Every registered control got its stock theme back before the registries emptied.
    CHECK(SystemCallLog::current().lastThemeFor(edit) == L"<null>");
    const ThemedWindowRegistry& windows = hueloom::windowRegistry();
    CHECK(windows.themedControls.empty());
    CHECK(windows.titleBarWindows.empty());
    CHECK(windows.colorSubclassed.empty());
    CHECK(windows.glyphSubclassed.empty());
    CHECK(hueloom::overlayState().bindings.empty());
    CHECK_FALSE(hueloom::autoRefreshState().running);
    CHECK(windows.updateDepth == 0);

    // Dark again gives the palette accent, not the one kept by Reset.
    executeAction(SetMode, {"Dark"});
    checkDarkPalette();
}

TEST_CASE("the silent reset of the host's closing writes nothing") {
    EngineScene scene(19045);
    executeAction(SetColors, {"#202020", "", ""});
    host().clear();
    restoreStockLook();
    checkStockColors();
    CHECK(host().sets.empty());
}

TEST_CASE("a script's own freeze holds across the actions inside it") {
    EngineScene scene(19045);
    executeAction(BeginUpdate, {});
    REQUIRE(hueloom::windowRegistry().updateDepth == 1);
    executeAction(SetMode, {"Dark"});
    executeAction(SetColors, {"", "", "navy"});
    executeAction(SetAccent, {"red", ""});
    executeAction(Reset, {});
    CHECK(hueloom::windowRegistry().updateDepth == 1);
    executeAction(EndUpdate, {});
    CHECK(hueloom::windowRegistry().updateDepth == 0);
}
