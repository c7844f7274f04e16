#include <doctest.h>

#include <cmath>
#include <cstring>

#include "overlay/bindings.h"
#include "overlay/overlay_binding.h"
#include "overlay/overlay_geometry.h"
#include "overlay/overlay_window.h"
#include "overlay_test_helpers.h"
#include "paint/paint_geometry.h"
#include "theme/theme_state.h"

using namespace testing;
using hueloom::OverlayKind;

namespace {

constexpr COLORREF kBack = RGB(40, 44, 52);

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

COLORREF disabledOn(COLORREF back) { return hueloom::blendColors(back, hueloom::currentTheme().controlText, 45); }

hueloom::GlyphState glyphState(bool radio, bool on, bool enabled, bool hot) {
    return {radio, on ? hueloom::CheckState::Checked : hueloom::CheckState::Unchecked, enabled, hot};
}

// A glyph of size 13 at (1, 1) on a 15 x 15 canvas, as an overlay at 96 DPI draws it.
struct Glyph {
    DibCanvas canvas{15, 15};
    Glyph(bool radio, bool on, bool enabled = true, bool hot = false) {
        canvas.fill(RGB(255, 0, 255));
        hueloom::paintOverlayGlyph(canvas.dc(), 1, 1, 13, glyphState(radio, on, enabled, hot), kBack);
    }
    COLORREF at(int x, int y) const { return canvas.pixel(x, y); }
};

// A track overlay's painting for a binding with a value on the scale 0..100.
struct Track {
    DibCanvas canvas;
    Track(HWND object, int width, int height, const char* value, bool hot = false) : canvas(width, height) {
        hueloom::OverlayBinding binding;
        binding.kind = OverlayKind::Track;
        binding.objectWindow = object;
        binding.value = std::wstring(value, value + strlen(value));
        binding.backColor = kBack;
        binding.minimum = 0;
        binding.maximum = 100;
        binding.hot = hot;
        canvas.fill(RGB(255, 0, 255));
        hueloom::paintOverlayTrack(canvas.dc(), binding, width, height);
    }
    COLORREF at(int x, int y) const { return canvas.pixel(x, y); }
};

} // namespace

TEST_CASE("check and radio glyphs at 96 DPI") {
    ThemedHost host;
    const hueloom::ThemeState& theme = hueloom::currentTheme();
    const COLORREF border = hueloom::contrastShade(kBack);

    SUBCASE("check box off, on, hot and disabled") {
        const Glyph off(false, false);
        CHECK(off.at(0, 7) == kBack);
        CHECK(off.at(1, 7) == border);
        CHECK(off.at(7, 7) == theme.controlBack);
        CHECK(off.at(14, 7) == kBack);

        const Glyph on(false, true);
        CHECK(on.at(1, 7) == theme.accent);
        CHECK(on.at(10, 11) == theme.accent);
        CHECK(on.at(6, 10) == RGB(255, 255, 255));  // the mark joins (3,7), (6,10), (11,4)
        CHECK(on.at(4, 8) == RGB(255, 255, 255));

        const Glyph hot(false, false, true, true);
        CHECK(hot.at(1, 7) == theme.accent);
        CHECK(hot.at(7, 7) == theme.controlBack);

        const Glyph disabledHot(false, true, false, true);
        CHECK(disabledHot.at(1, 7) == disabledOn(kBack));
        CHECK(disabledHot.at(10, 11) == disabledOn(kBack));
    }
    SUBCASE("radio off and on: the dot is the ellipse (4, 4, 11, 11)") {
        const Glyph off(true, false);
        CHECK(off.at(7, 7) == theme.controlBack);
        CHECK(off.at(1, 7) == border);
        const Glyph on(true, true);
        CHECK(on.at(7, 7) == theme.accent);
        CHECK(on.at(5, 7) == theme.accent);
        CHECK(on.at(3, 7) == theme.controlBack);
        CHECK(on.at(7, 12) == theme.controlBack);
        const Glyph disabled(true, true, false);
        CHECK(disabled.at(7, 7) == disabledOn(kBack));
    }
    SUBCASE("the mark is dark from a face brightness of 140000 on") {
        hueloom::currentTheme().accent = RGB(61, 100, 249);  // 105325
        CHECK(Glyph(false, true).at(6, 10) == RGB(255, 255, 255));
        hueloom::currentTheme().accent = RGB(135, 135, 135);  // 135000: light for borders, not for the mark
        CHECK(Glyph(false, true).at(6, 10) == RGB(255, 255, 255));
        hueloom::currentTheme().accent = RGB(255, 255, 0);  // 225930
        CHECK(Glyph(false, true).at(6, 10) == RGB(32, 32, 32));
    }
}

TEST_CASE("track geometry") {
    SUBCASE("horizontal 200 x 30 at 0.5 and at 0") {
        const auto half = hueloom::trackGeometry(200, 30, 96, 0.5);
        CHECK_FALSE(half.vertical);
        CHECK(sameRect(half.channel, {10, 13, 190, 17}));
        CHECK(sameRect(half.filled, {10, 13, 100, 17}));
        CHECK(sameRect(half.thumb(), {92, 7, 108, 23}));
        CHECK_FALSE(hueloom::trackGeometry(200, 30, 96, 0).hasFilled());
    }
    SUBCASE("vertical 24 x 150 at 0.2: the minimum is at the bottom") {
        const auto g = hueloom::trackGeometry(24, 150, 96, 0.2);
        CHECK(g.vertical);
        CHECK(sameRect(g.channel, {10, 10, 14, 140}));
        CHECK(g.thumbCentre.x == 12);
        CHECK(g.thumbCentre.y == 114);
        CHECK(sameRect(g.thumb(), {4, 106, 20, 122}));
        CHECK(sameRect(g.filled, {10, 114, 14, 140}));
    }
    SUBCASE("thin tracks, other DPIs, halves and odd fractions") {
        const auto thin = hueloom::trackGeometry(100, 12, 96, 0.5);
        CHECK(thin.radius == 5);
        CHECK(thin.channel.left == 7);
        const auto large = hueloom::trackGeometry(400, 60, 144, 0.5);
        CHECK(large.thickness == 6);
        CHECK(large.radius == 12);
        // 10 + 181 * 0.5 = 100.5 goes to the even neighbour, 10 + 183 * 0.5 = 101.5 too.
        CHECK(hueloom::trackGeometry(201, 30, 96, 0.5).thumbCentre.x == 100);
        CHECK(hueloom::trackGeometry(203, 30, 96, 0.5).thumbCentre.x == 102);
        CHECK(hueloom::roundHalfEven(-2.5) == -2);
        CHECK(hueloom::roundHalfEven(2.4999) == 2);
        const HostFloatingPointMask hostMask;
        CHECK(hueloom::trackGeometry(200, 30, 96, 7.0).thumbCentre.x == 190);
        CHECK(hueloom::trackGeometry(200, 30, 96, -1.0).thumbCentre.x == 10);
        CHECK(hueloom::trackGeometry(200, 30, 96, std::nan("")).thumbCentre.x == 10);
    }
}

TEST_CASE("track painting") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostTrackBarClass, 10, 10, 200, 30);
    const hueloom::ThemeState& theme = hueloom::currentTheme();
    const COLORREF channel = hueloom::contrastShade(kBack);

    SUBCASE("200 x 30 at 0.5") {
        const Track t(object, 200, 30, "50");
        CHECK(t.at(5, 15) == kBack);
        CHECK(t.at(100, 3) == kBack);
        CHECK(t.at(50, 15) == theme.accent);    // filled part
        CHECK(t.at(100, 15) == theme.accent);   // thumb
        CHECK(t.at(100, 10) == theme.accent);
        CHECK(t.at(150, 15) == channel);        // rest of the channel
        CHECK(t.at(150, 12) == kBack);
    }
    SUBCASE("at 0 nothing is filled; a NaN value is drawn at the start") {
        const HostFloatingPointMask hostMask;
        for (const char* value : {"0", "NaN", "-Infinity", "garbage"}) {
            const Track t(object, 200, 30, value);
            CHECK(t.at(10, 15) == theme.accent);
            CHECK(t.at(30, 15) == channel);
        }
        const Track full(object, 200, 30, "+Infinity");
        CHECK(full.at(150, 15) == theme.accent);
        CHECK(full.at(190, 15) == theme.accent);
    }
    SUBCASE("vertical 24 x 150 at 0.2") {
        const Track t(object, 24, 150, "20");
        CHECK(t.at(12, 114) == theme.accent);
        CHECK(t.at(12, 132) == theme.accent);
        CHECK(t.at(12, 50) == channel);
        CHECK(t.at(2, 50) == kBack);
    }
    SUBCASE("100 x 12 keeps its thumb inside; 7 pixels high shows only the background") {
        const Track thin(object, 100, 12, "50");
        CHECK(thin.at(50, 6) == theme.accent);
        CHECK(thin.at(50, 0) == kBack);
        const Track tiny(object, 100, 7, "50");
        for (int x = 0; x < 100; x += 9)
            for (int y = 0; y < 7; ++y) CHECK(tiny.at(x, y) == kBack);
    }
    SUBCASE("hot and disabled fills") {
        const COLORREF hotFill = hueloom::blendColors(theme.accent, RGB(255, 255, 255), 20);
        CHECK(Track(object, 200, 30, "50", true).at(50, 15) == hotFill);
        EnableWindow(object, FALSE);
        CHECK(Track(object, 200, 30, "50", true).at(50, 15) == disabledOn(kBack));
        CHECK(Track(object, 200, 30, "50", true).at(100, 15) == disabledOn(kBack));
    }
}

TEST_CASE("the overlay window procedure") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostCheckBoxClass, 10, 30, 120, 20);
    FakeHost::current().variables["[Agreed]"] = "true";
    REQUIRE(bindCheck(object, "Agreed", "", "10,20,30") == 1);
    HWND overlay = bindingOf(object)->overlayWindow;

    CHECK(SendMessageW(overlay, WM_NCHITTEST, 0, 0) == HTTRANSPARENT);
    DibCanvas canvas(15, 15);
    canvas.fill(RGB(255, 0, 255));
    CHECK(SendMessageW(overlay, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0) == 1);
    CHECK(canvas.pixel(0, 0) == RGB(255, 0, 255));

    // Painted from the variable, in the bound colour.
    printClient(overlay, canvas);
    CHECK(canvas.pixel(0, 7) == RGB(10, 20, 30));
    CHECK(canvas.pixel(10, 11) == hueloom::currentTheme().accent);
    FakeHost::current().variables["[Agreed]"] = "false";
    printClient(overlay, canvas);
    CHECK(canvas.pixel(10, 11) == hueloom::currentTheme().controlBack);

    // An overlay whose object has no binding paints nothing.
    SetWindowLongPtrW(overlay, GWLP_USERDATA, 0);
    canvas.fill(RGB(255, 0, 255));
    printClient(overlay, canvas);
    CHECK(canvas.pixel(7, 7) == RGB(255, 0, 255));
}

TEST_CASE("overlay paints hold no GDI object and leave the DC as they found it") {
    ThemedHost host;
    HWND check = createHostObject(host.window(), kHostCheckBoxClass, 10, 10, 120, 20);
    HWND radio = createHostObject(host.window(), kHostRadioClass, 10, 40, 120, 20);
    HWND track = createHostObject(host.window(), kHostTrackBarClass, 10, 70, 200, 30);
    REQUIRE(bindCheck(check, "", "True") == 1);
    REQUIRE(bindRadio(radio, "", "A", "A") == 1);
    REQUIRE(bindTrack(track, "", "40") == 1);
    bindingOf(track)->hot = true;
    DibCanvas canvas(200, 30);
    const auto paintEveryKind = [&] {
        for (HWND object : {check, radio, track}) printClient(bindingOf(object)->overlayWindow, canvas);
        hueloom::paintOverlayGlyph(canvas.dc(), 1, 1, 13, glyphState(false, false, true, false), kBack);
        hueloom::paintOverlayGlyph(canvas.dc(), 1, 1, 13, glyphState(true, false, false, false), kBack);
    };

    const DcSelection before(canvas.dc());
    paintEveryKind();
    CHECK(DcSelection(canvas.dc()) == before);

    const int freeBefore = freeGdiHandles();
    for (int i = 0; i < 1000; ++i) paintEveryKind();
    CHECK(freeGdiHandles() >= freeBefore);
}
