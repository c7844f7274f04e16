// What the controls that the plug-in draws on builds without a native dark theme show on
// screen under Wine, in Dark, Light and custom colours, and that Reset gives each its stock
// look back pixel for pixel.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "fixtures.h"
#include "live_host.h"
#include "support/screen_pixels.h"
#include "theme/color.h"
#include "theme/theme_state.h"

using namespace testing;

namespace {

// Channel distance within which a pixel counts as a theme colour.
constexpr int kThemeTolerance = 8;
// Most off-theme share allowed: the smoothed edges of caption letters (measured up to 3.7 %
// under Wine), none where there is no text.
constexpr double kWithCaption = 0.05;
constexpr double kWithoutCaption = 0.01;
// Text and arrows are thin: a look mostly in the text colour is a light stock look under a
// dark theme, whose light grey the text colour matches. The stock look of every control
// fails one of the two measures in every theme, which the test checks too.
constexpr double kTextBound = 0.2;

struct ControlRecipe {
    const char* name;
    double bound;
    std::function<HWND(LiveHost&)> create;
};

HWND scrollBar(LiveHost& host, DWORD style, RECT box) {
    HWND bar = host.child(L"ScrollBar", style, box);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 30, 0};
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    return bar;
}

HWND comboBox(LiveHost& host, DWORD style, RECT box) {
    HWND combo = host.child(L"ComboBox", style | WS_VSCROLL, box);
    for (const wchar_t* item : {L"Red", L"Green", L"Blue"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    return combo;
}

const ControlRecipe kRecipes[] = {
    {"push button", kWithCaption, [](LiveHost& h) { return h.child(L"Button", BS_PUSHBUTTON, {10, 10, 110, 40}, L"Apply"); }},
    {"default push button", kWithCaption, [](LiveHost& h) { return h.child(L"Button", BS_DEFPUSHBUTTON, {10, 10, 110, 40}, L"OK"); }},
    {"horizontal scroll bar", kWithoutCaption, [](LiveHost& h) { return scrollBar(h, SBS_HORZ, {10, 10, 210, 28}); }},
    {"vertical scroll bar", kWithoutCaption, [](LiveHost& h) { return scrollBar(h, SBS_VERT, {10, 10, 28, 160}); }},
    {"up-down", kWithoutCaption, [](LiveHost& h) { return h.child(UPDOWN_CLASSW, 0, {10, 10, 30, 50}); }},
    {"drop-down list combo box", kWithCaption, [](LiveHost& h) { return comboBox(h, CBS_DROPDOWNLIST, {10, 10, 160, 200}); }},
    {"drop-down combo box", kWithCaption, [](LiveHost& h) { return comboBox(h, CBS_DROPDOWN, {10, 10, 160, 200}); }},
};

struct ThemeRecipe {
    const char* name;
    void (*apply)();
};
const ThemeRecipe kThemes[] = {{"Dark", themeDark}, {"Light", themeLight}, {"custom colours", themeCustom}};

// The colours a drawn control may show: the theme's own and the two contrast shades the
// painters derive from them for borders and thumbs.
double offThemeShare(const PixelGrid& grid) {
    const hueloom::ThemeState& t = hueloom::currentTheme();
    return shareFarFrom(grid,
                        {t.controlBack, t.pageBack, t.controlText, t.accent, hueloom::contrastShade(t.pageBack),
                         hueloom::contrastShade(t.controlBack)},
                        kThemeTolerance);
}

double textShare(const PixelGrid& grid) {
    return 1.0 - shareFarFrom(grid, {hueloom::currentTheme().controlText}, kThemeTolerance);
}

} // namespace

TEST_CASE("drawn controls in Dark, Light and custom colours, and their stock look after Reset") {
    for (const ControlRecipe& recipe : kRecipes) {
        for (const ThemeRecipe& theme : kThemes) {
            INFO(recipe.name << " in " << theme.name);
            LiveHost host;
            HWND control = recipe.create(host);
            REQUIRE(control);
            const PixelGrid stock = captureClient(control);
            theme.apply();
            const PixelGrid themed = captureClient(control);
            CHECK(offThemeShare(themed) <= recipe.bound);
            CHECK(textShare(themed) <= kTextBound);
            CHECK((offThemeShare(stock) > recipe.bound || textShare(stock) > kTextBound));
            resetTheme();
            CHECK(countDifferent(stock, captureClient(control), 0) == 0);
        }
    }
}
