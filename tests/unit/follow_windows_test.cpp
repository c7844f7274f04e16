// Auto's pure rules: which mode the settings ask for, what a live switch does to the
// colours, and what [Skin.Mode] says.
#include <doctest.h>

#include <string>

#include "theme/follow_windows.h"
#include "theme/palette.h"

using namespace hueloom;

TEST_CASE("high contrast wins over the dark setting; otherwise dark or light as asked") {
    CHECK(followedMode({true, false}) == Mode::Dark);
    CHECK(followedMode({false, false}) == Mode::Light);
    CHECK(followedMode({true, true}) == Mode::System);
    CHECK(followedMode({false, true}) == Mode::System);
}

TEST_CASE("a live switch brings the mode's base colours and keeps what the author chose") {
    ThemeState theme;
    applyModePalette(theme, Mode::Dark);
    theme.titleBar = makeColor(1, 2, 3);
    theme.glyphs = false;
    theme.articleText = false;

    SUBCASE("a default accent follows the mode, both ways") {
        applyFollowedPalette(theme, Mode::Light);
        CHECK(theme.mode == Mode::Light);
        CHECK(theme.accent == modePalette(Mode::Light).accent);
        CHECK(theme.controlBack == modePalette(Mode::Light).controlBack);
        CHECK(theme.controlText == modePalette(Mode::Light).controlText);
        CHECK(theme.pageBack == modePalette(Mode::Light).pageBack);
        applyFollowedPalette(theme, Mode::Dark);
        CHECK(theme.accent == modePalette(Mode::Dark).accent);
    }
    SUBCASE("an accent of the author's own survives") {
        theme.accent = makeColor(255, 128, 0);
        applyFollowedPalette(theme, Mode::Light);
        CHECK(theme.accent == makeColor(255, 128, 0));
        CHECK(theme.pageBack == modePalette(Mode::Light).pageBack);
    }
    SUBCASE("coming back from the stock look turns the own colours on again") {
        theme.active = false;
        theme.mode = Mode::System;
        applyFollowedPalette(theme, Mode::Dark);
        CHECK(theme.active);
        CHECK(theme.mode == Mode::Dark);
    }
    CHECK(theme.titleBar == makeColor(1, 2, 3));
    CHECK_FALSE(theme.titleText.has_value());
    CHECK_FALSE(theme.glyphs);
    CHECK_FALSE(theme.articleText);
}

TEST_CASE("[Skin.Mode] says Auto while following, whatever it paints with") {
    ThemeState theme;
    CHECK(std::wstring(scriptModeName(theme)) == L"System");
    for (Mode mode : {Mode::Dark, Mode::Light, Mode::System}) {
        theme.mode = mode;
        theme.followsWindows = true;
        CHECK(std::wstring(scriptModeName(theme)) == L"Auto");
        theme.followsWindows = false;
        CHECK(std::wstring(scriptModeName(theme)) == modeName(mode));
    }
}
