// What each control that the plug-in colours or draws looks like on screen: in Dark, Light
// and custom colours almost every pixel is one of the theme's colours, and after Reset the
// control looks exactly as it did before it was themed.
#include <doctest.h>

#include <string>

#include "look_scene.h"
#include "support/screen_pixels.h"

using namespace testing;

namespace {

// A pixel counts as a theme colour when every channel is within this of it: the face, hot
// and frame shades are mixes of at most 30 % of the text into a ground.
constexpr int kShadeTolerance = 72;
// Focus dots and the odd system pixel may be off the theme; never more than this share.
constexpr double kOffThemeBound = 0.02;
// Text is written on grounds; a control mostly in the text colour is a light control in
// a dark theme (Dark's text colour is near white).
constexpr double kTextBound = 0.35;

HWND scrollBar(LookScene& scene, DWORD style, RECT box) {
    HWND bar = scene.child(L"ScrollBar", style, box);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 30, 0};
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    return bar;
}

HWND comboBox(LookScene& scene, DWORD style) {
    HWND combo = scene.child(L"ComboBox", style | WS_VSCROLL, {10, 10, 160, 200});
    for (const wchar_t* item : {L"Red", L"Green", L"Blue"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    return combo;
}

struct Kind {
    const char* name;
    HWND (*make)(LookScene&);
};

const Kind kKinds[] = {
    {"header", [](LookScene& s) { return s.header(); }},
    {"tab control", [](LookScene& s) { return s.tabs(); }},
    {"progress bar", [](LookScene& s) { return s.progress(); }},
    {"marquee progress bar", [](LookScene& s) { return s.progress(PBS_MARQUEE); }},
    {"group box", [](LookScene& s) { return s.groupBox(); }},
    {"status bar", [](LookScene& s) { return s.statusBar(); }},
    {"tooltip", [](LookScene& s) { return s.toolTip(); }},
    {"list view with its header", [](LookScene& s) { return s.listView(); }},
    {"tree view", [](LookScene& s) { return s.treeView(); }},
    // Drawn where the system has no dark theme for them, as under Wine.
    {"push button", [](LookScene& s) { return s.child(L"Button", BS_PUSHBUTTON, {10, 10, 120, 50}, L"Apply"); }},
    {"default push button", [](LookScene& s) { return s.child(L"Button", BS_DEFPUSHBUTTON, {10, 10, 120, 50}, L"OK"); }},
    {"horizontal scroll bar", [](LookScene& s) { return scrollBar(s, SBS_HORZ, {10, 10, 210, 28}); }},
    {"vertical scroll bar", [](LookScene& s) { return scrollBar(s, SBS_VERT, {10, 10, 28, 160}); }},
    {"up-down", [](LookScene& s) { return s.child(UPDOWN_CLASSW, 0, {10, 10, 30, 50}); }},
    {"drop-down list combo box", [](LookScene& s) { return comboBox(s, CBS_DROPDOWNLIST); }},
    {"drop-down combo box", [](LookScene& s) { return comboBox(s, CBS_DROPDOWN); }},
};

} // namespace

TEST_CASE("each kind of control shows the theme's colours in every mode and its stock look after Reset") {
    for (const Kind& kind : kKinds) {
        SUBCASE(kind.name) {
            LookScene scene;
            HWND control = kind.make(scene);
            const PixelGrid stock = captureClient(control);
            REQUIRE_FALSE(stock.empty());

            for (Look look : kAllLooks) {
                INFO(std::string(lookName(look)));
                scene.apply(look);
                const PixelGrid g = captureClient(control);
                const LookShares themed = measureLook(g, kShadeTolerance);
                const std::string report = std::string(kind.name) + " in " + lookName(look) + ": " +
                                           std::to_string(themed.offTheme * 100) + " % off the theme, " +
                                           std::to_string(themed.text * 100) + " % text";
                INFO(report);
                CHECK(themed.offTheme < kOffThemeBound);
                CHECK(themed.text < kTextBound);
                // The measure tells the looks apart: the system's own look fails it in the
                // darker colours.
                if (look != Look::Light) {
                    const LookShares system = measureLook(stock, kShadeTolerance);
                    CHECK((system.offTheme > kOffThemeBound || system.text > kTextBound));
                }
                scene.reset();
            }
            CHECK(countDifferent(stock, captureClient(control), 0) == 0);
        }
    }
}
