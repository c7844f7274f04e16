#include <doctest.h>

#include "engine/glyph_button.h"
#include "engine/registry.h"
#include "overlay_test_helpers.h"
#include "paint/paint_geometry.h"
#include "support/test_seam.h"
#include "theme/color.h"
#include "theme/theme_state.h"

using namespace testing;

namespace {

// A 120 x 24 button: at 96 DPI its 13-pixel box stands at (1, 5).
constexpr int kWidth = 120, kHeight = 24, kX0 = 1, kY0 = 5;

HWND glyphButton(HWND parent, DWORD type, const wchar_t* caption = L"Option", int y = 10) {
    HWND button = createChild(parent, L"BUTTON", type, 10, y, kWidth, kHeight, caption);
    hueloom::installGlyphSubclass(button);
    return button;
}

struct Painted {
    DibCanvas canvas{kWidth, kHeight};
    explicit Painted(HWND button) { printClient(button, canvas); }
    COLORREF at(int x, int y) const { return canvas.pixel(x, y); }
    // Pixels of `color` in the caption area, right of the box.
    int countInCaption(COLORREF color) const {
        int count = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = kX0 + 13 + 6; x < kWidth; ++x) count += canvas.pixel(x, y) == color;
        return count;
    }
    int rightmostInCaption(COLORREF color) const {
        int rightmost = -1;
        for (int y = 0; y < kHeight; ++y)
            for (int x = kX0 + 13 + 6; x < kWidth; ++x)
                if (canvas.pixel(x, y) == color && x > rightmost) rightmost = x;
        return rightmost;
    }
    bool sameAs(const Painted& other) const {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (at(x, y) != other.at(x, y)) return false;
        return true;
    }
};

} // namespace

TEST_CASE("glyph geometry scales the 96-DPI design with MulDiv") {
    const auto at96 = hueloom::glyphGeometry(96);
    CHECK(at96.box == 13);
    CHECK(at96.gap == 6);
    CHECK(at96.inset == 3);
    CHECK(at96.markWidth == 2);
    CHECK(hueloom::glyphGeometry(144).box == 20);  // 19.5 rounds up
    CHECK(hueloom::glyphGeometry(144).markWidth == 3);
    CHECK(hueloom::glyphGeometry(120).box == 16);
    CHECK(hueloom::glyphGeometry(192).box == 26);
    // A device without a vertical resolution is drawn at 96 DPI.
    CHECK(hueloom::glyphGeometry(0).box == 13);
    CHECK(hueloom::glyphGeometry(-7).box == 13);
}

TEST_CASE("owner-drawn check boxes and radio buttons at 96 DPI") {
    ThemedHost host(hueloom::Mode::Dark);
    const hueloom::ThemeState& theme = hueloom::currentTheme();

    SUBCASE("unchecked: contrast border, control face, page around") {
        HWND box = glyphButton(host.window(), BS_AUTOCHECKBOX);
        Painted p(box);
        CHECK(p.at(0, 11) == theme.pageBack);
        CHECK(p.at(kX0, kY0 + 6) == hueloom::contrastShade(theme.pageBack));
        CHECK(p.at(kX0 + 6, kY0 + 6) == theme.controlBack);
        CHECK(p.at(kX0 + 13, kY0 + 6) == theme.pageBack);
        CHECK(p.countInCaption(theme.controlText) > 0);
    }
    SUBCASE("checked on a dark accent: accent face and border, white mark") {
        HWND box = glyphButton(host.window(), BS_AUTOCHECKBOX);
        SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
        Painted p(box);
        CHECK(p.at(kX0, kY0 + 6) == theme.accent);
        CHECK(p.at(kX0 + 9, kY0 + 10) == theme.accent);
        CHECK(p.at(kX0 + 5, kY0 + 9) == RGB(255, 255, 255));  // the mark's middle point
    }
    SUBCASE("checked on a light accent: dark mark") {
        hueloom::currentTheme().accent = RGB(255, 255, 0);
        HWND box = glyphButton(host.window(), BS_AUTOCHECKBOX);
        SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
        Painted p(box);
        CHECK(p.at(kX0 + 5, kY0 + 9) == RGB(32, 32, 32));
        CHECK(p.at(kX0 + 9, kY0 + 10) == RGB(255, 255, 0));
    }
    SUBCASE("indeterminate: a two-pixel accent bar on the control face, normal border") {
        HWND box = glyphButton(host.window(), BS_AUTO3STATE);
        SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
        Painted p(box);
        CHECK(p.at(kX0 + 6, kY0 + 5) == theme.accent);
        CHECK(p.at(kX0 + 6, kY0 + 6) == theme.accent);
        CHECK(p.at(kX0 + 6, kY0 + 4) == theme.controlBack);
        CHECK(p.at(kX0 + 6, kY0 + 7) == theme.controlBack);
        CHECK(p.at(kX0, kY0 + 6) == hueloom::contrastShade(theme.pageBack));
    }
    SUBCASE("radio: never an accent face; a checked one shows a dot inset by 3") {
        HWND radio = glyphButton(host.window(), BS_AUTORADIOBUTTON);
        Painted off(radio);
        CHECK(off.at(kX0 + 6, kY0 + 6) == theme.controlBack);
        SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
        Painted on(radio);
        CHECK(on.at(kX0 + 6, kY0 + 6) == theme.accent);
        CHECK(on.at(kX0 + 2, kY0 + 6) == theme.controlBack);
        CHECK(on.at(kX0, kY0 + 6) == hueloom::contrastShade(theme.pageBack));
    }
    SUBCASE("disabled: face, border and caption in the 45 % blend of page and text") {
        const COLORREF disabled = hueloom::blendColors(theme.pageBack, theme.controlText, 45);
        HWND box = glyphButton(host.window(), BS_AUTOCHECKBOX);
        SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
        EnableWindow(box, FALSE);
        Painted p(box);
        CHECK(p.at(kX0, kY0 + 6) == disabled);
        CHECK(p.at(kX0 + 9, kY0 + 10) == disabled);
        CHECK(p.at(kX0 + 5, kY0 + 9) == RGB(255, 255, 255));  // 121,121,121 is a dark face
        CHECK(p.countInCaption(disabled) > 0);
        CHECK(p.countInCaption(theme.controlText) == 0);
    }
}

TEST_CASE("captions: ampersands literal, empty captions without text or focus rectangle") {
    ThemedHost host(hueloom::Mode::Light);
    const COLORREF text = hueloom::currentTheme().controlText;

    SUBCASE("an ampersand is drawn, not taken as a mnemonic prefix") {
        HWND plain = glyphButton(host.window(), BS_AUTOCHECKBOX, L"a", 10);
        HWND prefixed = glyphButton(host.window(), BS_AUTOCHECKBOX, L"&a", 40);
        CHECK(Painted(prefixed).rightmostInCaption(text) > Painted(plain).rightmostInCaption(text));
    }
    SUBCASE("focus draws a rectangle round a caption, never for an empty one") {
        HWND captioned = glyphButton(host.window(), BS_AUTOCHECKBOX, L"Ab", 10);
        HWND empty = glyphButton(host.window(), BS_AUTOCHECKBOX, L"", 40);
        const Painted captionedBlurred(captioned), emptyBlurred(empty);
        CHECK(emptyBlurred.countInCaption(hueloom::currentTheme().pageBack) == (kWidth - kX0 - 19) * kHeight);

        SetFocus(captioned);
        REQUIRE(GetFocus() == captioned);
        CHECK_FALSE(Painted(captioned).sameAs(captionedBlurred));
        SetFocus(empty);
        REQUIRE(GetFocus() == empty);
        CHECK(Painted(empty).sameAs(emptyBlurred));
    }
}

TEST_CASE("glyphs off or theme inactive hand painting back to the system") {
    ThemedHost host(hueloom::Mode::Dark);
    HWND box = glyphButton(host.window(), BS_AUTOCHECKBOX);
    REQUIRE(hasGlyphSubclass(box));
    CHECK(Painted(box).at(0, 0) == hueloom::currentTheme().pageBack);

    hueloom::currentTheme().glyphs = false;
    CHECK(Painted(box).at(0, 0) != hueloom::currentTheme().pageBack);
    CHECK(hasGlyphSubclass(box));  // the subclass stays; only the drawing changes hands
    hueloom::currentTheme().glyphs = true;
    hueloom::currentTheme().active = false;
    CHECK(Painted(box).at(0, 0) != hueloom::currentTheme().pageBack);

    hueloom::currentTheme().active = true;
    DibCanvas canvas(4, 4);
    canvas.fill(RGB(255, 0, 255));
    CHECK(SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0) == 1);
    CHECK(canvas.pixel(1, 1) == RGB(255, 0, 255));  // the paint covers the background itself
}

TEST_CASE("installing the glyph subclass") {
    testing::TestSeam seam;
    ThemedHost host;
    SubclassCallCounter::install();
    HWND box = createChild(host.window(), L"BUTTON", BS_AUTOCHECKBOX);

    hueloom::installGlyphSubclass(nullptr);
    CHECK(SubclassCallCounter::calls == 0);
    hueloom::installGlyphSubclass(box);
    hueloom::installGlyphSubclass(box);
    CHECK(SubclassCallCounter::calls == 1);
    CHECK(hueloom::windowRegistry().glyphSubclassed.contains(box));

    HWND other = createChild(host.window(), L"BUTTON", BS_AUTORADIOBUTTON);
    SubclassCallCounter::fail = true;
    hueloom::installGlyphSubclass(other);
    CHECK_FALSE(hueloom::windowRegistry().glyphSubclassed.contains(other));  // tried again next pass

    seam.system().setWindowSubclass = nullptr;
    SubclassCallCounter::fail = false;
    hueloom::installGlyphSubclass(other);
    CHECK_FALSE(hueloom::windowRegistry().glyphSubclassed.contains(other));
}

TEST_CASE("hover: one button at a time, one leave request, no erase") {
    ThemedHost host;
    HWND first = glyphButton(host.window(), BS_AUTOCHECKBOX, L"First", 10);
    HWND second = glyphButton(host.window(), BS_AUTOCHECKBOX, L"Second", 40);
    UpdateWindow(host.window());
    const auto hover = [] { return hueloom::hoveredGlyphButton(); };

    moveCursorOver(first);
    SendMessageW(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    CHECK(hover() == first);
    CHECK(trackedLeaveWindow() == first);
    CHECK(hasPendingPaint(first));
    ValidateRect(first, nullptr);

    // Further moves over the same button ask for nothing and repaint nothing.
    cancelLeaveTracking(first);
    SendMessageW(first, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    CHECK(trackedLeaveWindow() == nullptr);
    CHECK_FALSE(hasPendingPaint(first));

    // Straight onto the next button: the hover moves and the first one loses its highlight.
    moveCursorOver(second);
    SendMessageW(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    CHECK(hover() == second);
    CHECK(hasPendingPaint(first));
    SendMessageW(first, WM_MOUSELEAVE, 0, 0);  // the late leave of the first changes nothing
    CHECK(hover() == second);

    SendMessageW(second, WM_MOUSELEAVE, 0, 0);
    CHECK(hover() == nullptr);
}

TEST_CASE("a hot border in the accent colour") {
    ThemedHost host;
    HWND box = glyphButton(host.window(), BS_AUTOCHECKBOX);
    hueloom::setHoveredGlyphButton(box);
    CHECK(Painted(box).at(kX0, kY0 + 6) == hueloom::currentTheme().accent);
    EnableWindow(box, FALSE);  // disabled wins over hot
    CHECK(Painted(box).at(kX0, kY0 + 6) ==
          hueloom::blendColors(hueloom::currentTheme().pageBack, hueloom::currentTheme().controlText, 45));
}

TEST_CASE("state changes that the button paints itself are painted over") {
    ThemedHost host;
    HWND box = glyphButton(host.window(), BS_AUTOCHECKBOX);
    const auto repaintsAfter = [&](const auto& change) {
        UpdateWindow(host.window());
        ValidateRect(box, nullptr);
        change();
        return hasPendingPaint(box);
    };
    CHECK(repaintsAfter([&] { SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0); }));
    CHECK(repaintsAfter([&] { EnableWindow(box, FALSE); }));
    CHECK(repaintsAfter([&] { EnableWindow(box, TRUE); }));
    CHECK(repaintsAfter([&] { SetWindowTextW(box, L"Other"); }));
    CHECK(repaintsAfter([&] { SetFocus(box); }));
    hueloom::currentTheme().glyphs = false;
    CHECK_FALSE(repaintsAfter([&] { SendMessageW(box, BM_SETCHECK, BST_UNCHECKED, 0); }));
}

TEST_CASE("a button destroyed while hot leaves no hover window and no registry entry") {
    ThemedHost host;
    HWND box = glyphButton(host.window(), BS_AUTOCHECKBOX);
    moveCursorOver(box);
    SendMessageW(box, WM_MOUSEMOVE, 0, 0);
    REQUIRE(hueloom::hoveredGlyphButton() == box);
    DestroyWindow(box);
    CHECK(hueloom::hoveredGlyphButton() == nullptr);
    CHECK_FALSE(hueloom::windowRegistry().glyphSubclassed.contains(box));
}

TEST_CASE("Reset takes every glyph subclass off and forgets the hover button") {
    ThemedHost host;
    HWND box = glyphButton(host.window(), BS_AUTOCHECKBOX, L"One", 10);
    HWND radio = glyphButton(host.window(), BS_AUTORADIOBUTTON, L"Two", 40);
    hueloom::setHoveredGlyphButton(box);
    CHECK(executeAction(7, {}) == 1);  // Hueloom_Reset
    CHECK_FALSE(hasGlyphSubclass(box));
    CHECK_FALSE(hasGlyphSubclass(radio));
    CHECK(hueloom::windowRegistry().glyphSubclassed.empty());
    CHECK(hueloom::hoveredGlyphButton() == nullptr);
}

TEST_CASE("glyph paints hold no GDI object and leave the DC as they found it") {
    ThemedHost host;
    HWND box = glyphButton(host.window(), BS_AUTO3STATE, L"Check", 10);
    HWND radio = glyphButton(host.window(), BS_AUTORADIOBUTTON, L"Radio", 40);
    SetFocus(box);
    DibCanvas canvas(kWidth, kHeight);
    const auto paintEveryKind = [&] {
        for (int state : {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE}) {
            SendMessageW(box, BM_SETCHECK, state, 0);
            printClient(box, canvas);
        }
        for (int state : {BST_UNCHECKED, BST_CHECKED}) {
            SendMessageW(radio, BM_SETCHECK, state, 0);
            printClient(radio, canvas);
        }
    };

    const DcSelection before(canvas.dc());
    paintEveryKind();
    CHECK(DcSelection(canvas.dc()) == before);

    const int freeBefore = freeGdiHandles();
    for (int i = 0; i < 1000; ++i) paintEveryKind();
    CHECK(freeGdiHandles() >= freeBefore);
}
