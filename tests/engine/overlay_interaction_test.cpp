#include <doctest.h>

#include "overlay/bindings.h"
#include "overlay/overlay_binding.h"
#include "overlay_test_helpers.h"
#include "platform/process_lifetime.h"
#include "theme/theme_state.h"

using namespace testing;

namespace {

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

HWND overlayOf(HWND object) {
    const hueloom::OverlayBinding* binding = bindingOf(object);
    return binding ? binding->overlayWindow : nullptr;
}

void click(HWND object) {
    SendMessageW(object, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(object, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

COLORREF overlayBorder(HWND object) {
    DibCanvas canvas(15, 15);
    printClient(overlayOf(object), canvas);
    return canvas.pixel(1, 7);
}

} // namespace

TEST_CASE("hovering a bound object") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostCheckBoxClass, 10, 30, 120, 20, L"Agree");
    REQUIRE(bindCheck(object) == 1);
    UpdateWindow(host.window());
    const COLORREF normal = overlayBorder(object);

    moveCursorOver(object);
    SendMessageW(object, WM_MOUSEMOVE, 0, MAKELPARAM(60, 10));  // over the caption counts too
    CHECK(bindingOf(object)->hot);
    CHECK(trackedLeaveWindow() == object);
    CHECK(hasPendingPaint(overlayOf(object)));
    CHECK(overlayBorder(object) == hueloom::currentTheme().accent);
    CHECK(messagesSeen(object, WM_MOUSEMOVE) == 1);

    // Further moves ask for no second leave notification and repaint nothing.
    ValidateRect(overlayOf(object), nullptr);
    cancelLeaveTracking(object);
    SendMessageW(object, WM_MOUSEMOVE, 0, MAKELPARAM(61, 10));
    CHECK(trackedLeaveWindow() == nullptr);
    CHECK_FALSE(hasPendingPaint(overlayOf(object)));

    SendMessageW(object, WM_MOUSELEAVE, 0, 0);
    CHECK_FALSE(bindingOf(object)->hot);
    CHECK(overlayBorder(object) == normal);
}

TEST_CASE("a repaint of the object, as after a script changed its variable, repaints the overlay") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostCheckBoxClass, 10, 30, 120, 20, L"Agree");
    REQUIRE(bindCheck(object, "Agree", "False") == 1);
    UpdateWindow(host.window());
    ValidateRect(overlayOf(object), nullptr);
    FakeHost::current().variables["[Agree]"] = "True";
    InvalidateRect(object, nullptr, FALSE);
    UpdateWindow(object);
    CHECK(hasPendingPaint(overlayOf(object)));
    DibCanvas canvas(15, 15);
    printClient(overlayOf(object), canvas);
    CHECK(canvas.pixel(7, 2) == hueloom::currentTheme().accent);  // the checked face
}

TEST_CASE("clicks") {
    ThemedHost host;

    SUBCASE("a check box without a variable toggles through cached values") {
        HWND object = createHostObject(host.window(), kHostCheckBoxClass, 10, 30, 120, 20);
        REQUIRE(bindCheck(object) == 1);
        click(object);
        CHECK(bindingOf(object)->value == L"True");
        CHECK(messagesSeen(object, WM_LBUTTONUP) == 1);  // the host handled its click
        click(object);
        CHECK(bindingOf(object)->value == L"False");
        click(object);
        CHECK(bindingOf(object)->value == L"True");
        CHECK(hasPendingPaint(overlayOf(object)));
    }
    SUBCASE("a radio selects within the group of the same variable name, letter case included") {
        HWND a = createHostObject(host.window(), kHostRadioClass, 10, 10, 100, 20);
        HWND b = createHostObject(host.window(), kHostRadioClass, 10, 40, 100, 20);
        HWND otherCase = createHostObject(host.window(), kHostRadioClass, 10, 70, 100, 20);
        HWND otherGroup = createHostObject(host.window(), kHostRadioClass, 10, 100, 100, 20);
        HWND check = createHostObject(host.window(), kHostCheckBoxClass, 10, 130, 100, 20);
        REQUIRE(bindRadio(a, "Size", "Small", "Small") == 1);
        REQUIRE(bindRadio(b, "Size", "Small", "Large") == 1);
        REQUIRE(bindRadio(otherCase, "size", "Small", "Tiny") == 1);
        REQUIRE(bindRadio(otherGroup, "Colour", "Red", "Red") == 1);
        REQUIRE(bindCheck(check, "", "x") == 1);
        UpdateWindow(host.window());

        click(b);
        CHECK(bindingOf(a)->value == L"Large");
        CHECK(bindingOf(b)->value == L"Large");
        CHECK(hasPendingPaint(overlayOf(a)));
        CHECK(bindingOf(otherCase)->value == L"Small");
        CHECK(bindingOf(otherGroup)->value == L"Red");
        CHECK(bindingOf(check)->value == L"x");
        CHECK(hueloom::isBindingOn(*bindingOf(b)));
        CHECK_FALSE(hueloom::isBindingOn(*bindingOf(a)));

        // Bound without a variable, a radio speaks for every radio binding.
        HWND loner = createHostObject(host.window(), kHostRadioClass, 10, 160, 100, 20);
        REQUIRE(bindRadio(loner, "", "", "Any") == 1);
        click(loner);
        for (HWND radio : {a, b, otherCase, otherGroup, loner}) CHECK(bindingOf(radio)->value == L"Any");
        CHECK(bindingOf(check)->value == L"x");
    }
    SUBCASE("a track bar keeps its value; dragging repaints after each move") {
        HWND object = createHostObject(host.window(), kHostTrackBarClass, 10, 30, 200, 30);
        REQUIRE(bindTrack(object, "", "30") == 1);
        bindingOf(object)->hot = true;
        UpdateWindow(host.window());
        ValidateRect(overlayOf(object), nullptr);  // settle the paints of binding
        SendMessageW(object, WM_MOUSEMOVE, 0, MAKELPARAM(50, 10));
        CHECK_FALSE(hasPendingPaint(overlayOf(object)));
        SendMessageW(object, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 10));
        CHECK(hasPendingPaint(overlayOf(object)));
        click(object);
        CHECK(bindingOf(object)->value == L"30");
    }
}

TEST_CASE("the overlay follows its object in the same message") {
    ThemedHost host;
    HWND check = createHostObject(host.window(), kHostCheckBoxClass, 10, 30, 120, 20);
    HWND track = createHostObject(host.window(), kHostTrackBarClass, 10, 80, 200, 30);
    REQUIRE(bindCheck(check) == 1);
    REQUIRE(bindTrack(track, "", "") == 1);

    MoveWindow(check, 40, 60, 150, 30, TRUE);
    CHECK(sameRect(rectInParent(overlayOf(check)), {40, 67, 55, 82}));
    MoveWindow(track, 5, 120, 300, 40, TRUE);
    CHECK(sameRect(rectInParent(overlayOf(track)), {5, 120, 305, 160}));

    ShowWindow(check, SW_HIDE);
    CHECK_FALSE(IsWindowVisible(overlayOf(check)));
    ShowWindow(check, SW_SHOW);
    CHECK(IsWindowVisible(overlayOf(check)));

    // Brought in front of its overlay by the host: back on top at its next paint.
    SetWindowPos(overlayOf(track), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(track, nullptr, TRUE);
    UpdateWindow(track);
    CHECK(GetWindow(overlayOf(track), GW_HWNDPREV) == nullptr);

    ValidateRect(overlayOf(track), nullptr);
    EnableWindow(track, FALSE);
    CHECK(hasPendingPaint(overlayOf(track)));
}

TEST_CASE("a destroyed object takes its subclass, overlay and binding with it") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostRadioClass, 10, 30, 120, 20);
    REQUIRE(bindRadio(object, "Choice", "", "A") == 1);
    HWND overlay = overlayOf(object);
    const std::string handle = handleText(object);

    DestroyWindow(object);
    CHECK(bindingOf(object) == nullptr);
    CHECK_FALSE(IsWindow(overlay));
    CHECK(unbind(handle) == 1);
    CHECK(FakeHost::current().lastError() == "OK");
}

TEST_CASE("an unbound or shutting-down object's messages pass straight on") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostCheckBoxClass, 10, 30, 120, 20);
    REQUIRE(bindCheck(object) == 1);

    hueloom::setShuttingDown(true);
    click(object);
    SendMessageW(object, WM_MOUSEMOVE, 0, 0);
    hueloom::setShuttingDown(false);
    CHECK(bindingOf(object)->value.empty());
    CHECK_FALSE(bindingOf(object)->hot);
    CHECK(messagesSeen(object, WM_LBUTTONUP) == 1);

    // Bound natively again: the subclass stays but does nothing.
    host.setMode(hueloom::Mode::System);
    REQUIRE(bindCheck(object) == 1);
    click(object);
    CHECK(bindingOf(object) == nullptr);
    CHECK(messagesSeen(object, WM_LBUTTONUP) == 2);
}
