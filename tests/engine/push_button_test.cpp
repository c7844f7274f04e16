// Push buttons drawn in the theme where the system has no dark theme: every state, the
// caption's layout, buttons left to the system, DPI, and GDI balance.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include "engine/push_button.h"
#include "engine/registry.h"
#include "fixtures.h"
#include "look_scene.h"
#include "overlay_test_helpers.h"
#include "paint/surface_colors.h"
#include "paint/push_button_painter.h"
#include "support/screen_pixels.h"
#include "theme/theme_state.h"

using namespace testing;
using hueloom::Color;

namespace {

constexpr RECT kBox{10, 10, 130, 50};  // 120 x 40

const hueloom::ThemeState& theme() { return hueloom::currentTheme(); }

bool isDrawn(HWND button) { return hueloom::windowRegistry().fallbackPainted.contains(button); }

int countColour(const PixelGrid& grid, COLORREF colour) {
    int count = 0;
    for (COLORREF pixel : grid.pixels) count += pixel == colour;
    return count;
}

// Away from caption and border: the face.
COLORREF faceOf(const PixelGrid& grid) { return grid.at(6, 20); }

} // namespace

TEST_CASE("push buttons in Dark: normal, hot, pressed, default, focused and disabled") {
    LookScene host;
    HWND button = host.child(L"Button", BS_PUSHBUTTON, kBox, L"Apply");
    HWND other = host.child(L"Button", BS_PUSHBUTTON, {10, 60, 130, 100}, L"Other");
    host.apply(Look::Dark);
    REQUIRE(isDrawn(button));
    const hueloom::Surface on = hueloom::controlSurface(theme());

    SUBCASE("normal: the raised face, a one-pixel frame, the caption in the text colour") {
        const PixelGrid p = printClient(button);
        CHECK(p.at(0, 0) == on.frame);
        CHECK(p.at(119, 39) == on.frame);
        CHECK(p.at(1, 1) == on.face);
        CHECK(faceOf(p) == on.face);
        CHECK(countColour(p, on.text) > 20);
    }
    SUBCASE("hot: the hot face, and only this button is hot") {
        moveCursorOver(button);
        SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        CHECK(faceOf(printClient(button)) == on.hotFace);
        moveCursorOver(other);
        SendMessageW(other, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        CHECK(faceOf(printClient(button)) == on.face);
        CHECK(faceOf(printClient(other)) == on.hotFace);
        SendMessageW(other, WM_MOUSELEAVE, 0, 0);
        CHECK(faceOf(printClient(other)) == on.face);
    }
    SUBCASE("pressed: the pressed face, painted over at once") {
        SendMessageW(button, BM_SETSTATE, TRUE, 0);
        CHECK_FALSE(hasPendingPaint(button));
        CHECK(faceOf(captureClient(button)) == on.pressedFace);
        SendMessageW(button, BM_SETSTATE, FALSE, 0);
        CHECK(faceOf(captureClient(button)) == on.face);
    }
    SUBCASE("default: a border of two pixels in the accent colour") {
        SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        const PixelGrid p = printClient(button);
        CHECK(p.at(0, 20) == theme().accent);
        CHECK(p.at(1, 20) == theme().accent);
        CHECK(p.at(2, 20) == on.face);
        CHECK(p.at(118, 38) == theme().accent);
    }
    SUBCASE("focused: a focus rectangle inside the border, nowhere else") {
        const PixelGrid blurred = printClient(button);
        SetFocus(button);
        REQUIRE(GetFocus() == button);
        const PixelGrid focused = printClient(button);
        CHECK(countDifferent(blurred, focused, 0) > 40);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 120; ++x) {
                const bool onFocusRing = (x == 2 || x == 117 || y == 2 || y == 37) && x >= 2 && x <= 117 &&
                                         y >= 2 && y <= 37;
                if (!onFocusRing && blurred.at(x, y) != focused.at(x, y)) FAIL_CHECK("changed at " << x << "," << y);
            }
        }
    }
    SUBCASE("disabled: caption and border in the disabled text colour, no text colour left") {
        EnableWindow(button, FALSE);
        const PixelGrid p = printClient(button);
        CHECK(p.at(0, 0) == on.disabledText);
        CHECK(faceOf(p) == on.face);
        int caption = 0;
        for (int y = 2; y < 38; ++y)
            for (int x = 2; x < 118; ++x) caption += p.at(x, y) == on.disabledText;
        CHECK(caption > 20);
        CHECK(countColour(p, on.text) == 0);
    }
}

namespace {

// Wine's own buttons keep no image on a push button without BS_BITMAP, as comctl32 6 does:
// this subclass answers BM_GETIMAGE as comctl32 6 would once an image is set.
bool g_imageSet = false;
LRESULT CALLBACK answersImage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == BM_GETIMAGE && wParam == IMAGE_BITMAP && g_imageSet) return 1;
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

TEST_CASE("buttons the system keeps: images, owner drawing, check boxes, split buttons") {
    LookScene host;
    HWND ownerDrawn = host.child(L"Button", BS_OWNERDRAW, kBox);
    HWND bitmapStyle = host.child(L"Button", BS_PUSHBUTTON | BS_BITMAP, {10, 60, 130, 100});
    HWND withImage = host.child(L"Button", BS_PUSHBUTTON, {10, 110, 130, 150}, L"Image");
    HWND check = host.child(L"Button", BS_AUTOCHECKBOX, {10, 160, 130, 180}, L"Check");
    HWND later = host.child(L"Button", BS_PUSHBUTTON, {150, 10, 270, 50}, L"Later");
    SetWindowSubclass(withImage, answersImage, 1, 0);
    SetWindowSubclass(later, answersImage, 1, 0);
    g_imageSet = true;
    host.apply(Look::Dark);
    g_imageSet = false;
    CHECK_FALSE(isDrawn(ownerDrawn));
    CHECK_FALSE(isDrawn(bitmapStyle));
    CHECK_FALSE(isDrawn(withImage));
    CHECK_FALSE(isDrawn(check));
    CHECK_FALSE(isDrawn(later));

    // An image or style that comes after theming hands the paint back to the system.
    host.reset();
    host.apply(Look::Dark);
    REQUIRE(isDrawn(later));
    const Color face = hueloom::controlSurface(theme()).face;
    CHECK(faceOf(printClient(later)) == face);
    g_imageSet = true;
    CHECK(faceOf(printClient(later)) != face);
    g_imageSet = false;
    CHECK(faceOf(printClient(later)) == face);
    SetWindowLongW(later, GWL_STYLE, (GetWindowLongW(later, GWL_STYLE) & ~BS_TYPEMASK) | BS_SPLITBUTTON);
    CHECK(faceOf(printClient(later)) != face);
    RemoveWindowSubclass(withImage, answersImage, 1);
    RemoveWindowSubclass(later, answersImage, 1);
}

namespace {

// The box round the caption's pixels, in the button's client coordinates.
RECT captionExtent(HWND button) {
    const PixelGrid p = printClient(button);
    RECT box{p.width, p.height, -1, -1};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.at(x, y) == theme().controlText)
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
    return box;
}

} // namespace

TEST_CASE("captions placed as the button's alignment and multi-line styles say") {
    LookScene host;
    const auto button = [&](DWORD style, int row, const wchar_t* caption = L"Go") {
        return host.child(L"Button", BS_PUSHBUTTON | style, {10, 10 + row * 70, 130, 70 + row * 70}, caption);
    };
    HWND centred = button(0, 0);
    HWND topLeft = button(BS_LEFT | BS_TOP, 1);
    HWND bottomRight = button(BS_RIGHT | BS_BOTTOM, 2);
    HWND wrapped = button(BS_MULTILINE, 3, L"Several words that wrap");
    HWND explicitCentre = button(BS_CENTER | BS_VCENTER, 4);
    host.apply(Look::Light);
    const RECT middle = captionExtent(centred);
    const RECT upper = captionExtent(topLeft);
    const RECT lower = captionExtent(bottomRight);
    CHECK(upper.left < middle.left);
    CHECK(upper.top < middle.top);
    CHECK(upper.left >= 4);  // inside border and padding
    CHECK(lower.right > middle.right);
    CHECK(lower.bottom > middle.bottom);
    CHECK(lower.right <= 115);
    CHECK(captionExtent(explicitCentre).left == middle.left);
    // Wrapped lines, centred as a block.
    const RECT block = captionExtent(wrapped);
    CHECK(block.bottom - block.top > middle.bottom - middle.top + 8);
    CHECK(std::abs((block.top + block.bottom) / 2 - 30) <= 3);
}

TEST_CASE("push-button borders scale with DPI: 1 and 2 pixels at 96, 2 and 4 at 192") {
    LookScene host;
    host.apply(Look::Light);
    const auto border = [&](bool isDefault, int dpi) {
        hueloom::PushButtonLook look;
        look.isDefault = isDefault;
        DibCanvas canvas(120, 60);
        hueloom::paintPushButton(canvas.dc(), {0, 0, 120, 60}, look, L"", nullptr, theme(), dpi);
        int width = 0;
        while (width < 20 && canvas.pixel(width, 30) != hueloom::controlSurface(theme()).face) ++width;
        return width;
    };
    CHECK(border(false, 96) == 1);
    CHECK(border(true, 96) == 2);
    CHECK(border(false, 144) == 2);  // MulDiv rounds 1.5 up
    CHECK(border(false, 192) == 2);
    CHECK(border(true, 192) == 4);
}

TEST_CASE("push-button paints hold no GDI object and leave the DC as they found it") {
    LookScene host;
    HWND button = host.child(L"Button", BS_DEFPUSHBUTTON, kBox, L"&Apply");
    host.apply(Look::Dark);
    SetFocus(button);
    DibCanvas canvas(120, 40);
    const DcSelection before(canvas.dc());
    printClient(button, canvas);
    CHECK(DcSelection(canvas.dc()) == before);
    const int freeBefore = freeGdiHandles();
    for (int i = 0; i < 500; ++i) {
        SendMessageW(button, BM_SETSTATE, i % 2, 0);
        printClient(button, canvas);
    }
    CHECK(freeGdiHandles() >= freeBefore);
}
