#include <doctest.h>

#include <cstdlib>

#include "paint/paint_colors.h"
#include "paint/surface_colors.h"
#include "theme/palette.h"

using namespace hueloom;

namespace {

// Largest channel difference, as the pixel tests measure it.
int distance(Color a, Color b) {
    const int r = std::abs(redOf(a) - redOf(b));
    const int g = std::abs(greenOf(a) - greenOf(b));
    const int bl = std::abs(blueOf(a) - blueOf(b));
    return r > g ? (r > bl ? r : bl) : (g > bl ? g : bl);
}

ThemeState themeOf(Mode mode) {
    const Palette palette = modePalette(mode);
    ThemeState theme;
    theme.mode = mode;
    theme.controlBack = palette.controlBack;
    theme.controlText = palette.controlText;
    theme.pageBack = palette.pageBack;
    theme.accent = palette.accent;
    return theme;
}

} // namespace

TEST_CASE("every shade of a surface lies between its ground and its text, in order") {
    // Dark, Light and a coloured skin (navy with pale text).
    const Color grounds[] = {makeColor(32, 32, 32), makeColor(255, 255, 255), makeColor(30, 42, 56)};
    const Color texts[] = {makeColor(240, 240, 240), makeColor(0, 0, 0), makeColor(232, 238, 245)};
    for (int i = 0; i < 3; ++i) {
        CAPTURE(i);
        const Surface s = surfaceOn(grounds[i], texts[i]);
        CHECK(s.back == grounds[i]);
        CHECK(s.text == texts[i]);
        // Each step moves further from the ground and stays visible against the one before.
        CHECK(distance(s.face, s.back) >= 8);
        CHECK(distance(s.hotFace, s.back) > distance(s.face, s.back) + 6);
        CHECK(distance(s.pressedFace, s.back) > distance(s.hotFace, s.back) + 6);
        CHECK(distance(s.frame, s.back) > distance(s.pressedFace, s.back));
        // ... and never reaches the text, which must read on every face.
        CHECK(distance(s.pressedFace, s.text) > 150);
        CHECK(s.disabledText == disabledColor(s.back, s.text));
    }
}

TEST_CASE("selected items stand on the accent in a colour that reads on it") {
    ThemeState theme = themeOf(Mode::Dark);
    const ItemColors dark = selectedItemColors(theme);
    CHECK(dark.back == theme.accent);
    CHECK(dark.text == kWhite);  // the Dark accent 61,100,249 is a dark face

    theme.accent = makeColor(255, 220, 0);  // a yellow accent takes dark text
    const ItemColors yellow = selectedItemColors(theme);
    CHECK(yellow.back == theme.accent);
    CHECK(distance(yellow.text, yellow.back) > 150);
    CHECK(isDarkColor(yellow.text));
}

TEST_CASE("a hot item is a faint accent tint on which the control text still reads") {
    for (Mode mode : {Mode::Dark, Mode::Light}) {
        const ThemeState theme = themeOf(mode);
        const ItemColors hot = hotItemColors(theme);
        CHECK(hot.text == theme.controlText);
        CHECK(hot.back != theme.controlBack);
        CHECK(distance(hot.back, theme.controlBack) < distance(theme.accent, theme.controlBack));
        CHECK(distance(hot.back, hot.text) > 150);
    }
}
