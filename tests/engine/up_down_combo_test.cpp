// Up-down controls and combo-box drop buttons drawn in the theme: which arrow is hot or
// held, the controls still doing their own work, the arrow glyphs, and disabled looks.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include "engine/registry.h"
#include "fixtures.h"
#include "look_scene.h"
#include "overlay_test_helpers.h"
#include "paint/face_painter.h"
#include "paint/surface_colors.h"
#include "paint/scroll_bar_painter.h"
#include "paint/up_down_painter.h"
#include "support/screen_pixels.h"
#include "theme/theme_state.h"

using namespace testing;

namespace {

const hueloom::ThemeState& theme() { return hueloom::currentTheme(); }
hueloom::Surface surface() { return hueloom::controlSurface(theme()); }
bool isDrawn(HWND window) { return hueloom::windowRegistry().fallbackPainted.contains(window); }

// The arrow's pixels in the text colour, row by row from the top: an up arrow widens downwards.
std::vector<int> rowWidths(const PixelGrid& grid, const RECT& area, COLORREF colour) {
    std::vector<int> widths;
    for (int y = area.top; y < area.bottom; ++y) {
        int width = 0;
        for (int x = area.left; x < area.right; ++x) width += grid.at(x, y) == colour;
        if (width) widths.push_back(width);
    }
    return widths;
}

} // namespace

TEST_CASE("arrow triangles: centred, odd bases, every direction") {
    const RECT box{0, 0, 16, 16};
    const hueloom::ArrowTriangle up = hueloom::arrowTriangle(box, hueloom::ArrowDirection::Up);
    CHECK(up.points[0].x == 7);                                // the tip on the middle column
    CHECK(up.points[2].x - up.points[1].x + 1 == 7);           // 16 * 7 / 16 = 7
    CHECK(up.points[1].y - up.points[0].y + 1 == 4);           // half the base, rounded up
    const hueloom::ArrowTriangle down = hueloom::arrowTriangle(box, hueloom::ArrowDirection::Down);
    CHECK(down.points[0].y > down.points[1].y);
    const hueloom::ArrowTriangle left = hueloom::arrowTriangle(box, hueloom::ArrowDirection::Left);
    CHECK(left.points[0].x < left.points[1].x);
    CHECK(left.points[0].y == 7);
    const hueloom::ArrowTriangle right = hueloom::arrowTriangle({0, 0, 40, 20}, hueloom::ArrowDirection::Right);
    CHECK(right.points[0].x > right.points[1].x);
    CHECK(right.points[2].y - right.points[1].y + 1 == 7);  // 20 * 7 / 16 = 8, made odd
    // A tiny box still gets a three-pixel arrow.
    const hueloom::ArrowTriangle tiny = hueloom::arrowTriangle({0, 0, 4, 4}, hueloom::ArrowDirection::Up);
    CHECK(tiny.points[2].x - tiny.points[1].x + 1 == 3);
}

TEST_CASE("up-down halves and hit-testing") {
    const RECT client{0, 0, 20, 40};
    CHECK(hueloom::upDownPartAt(client, false, {5, 5}) == hueloom::UpDownPart::First);
    CHECK(hueloom::upDownPartAt(client, false, {5, 19}) == hueloom::UpDownPart::First);
    CHECK(hueloom::upDownPartAt(client, false, {5, 20}) == hueloom::UpDownPart::Second);
    CHECK(hueloom::upDownPartAt(client, false, {5, 40}) == hueloom::UpDownPart::None);
    CHECK(hueloom::upDownPartAt({0, 0, 40, 20}, true, {25, 5}) == hueloom::UpDownPart::Second);
    CHECK(hueloom::upDownHalf({0, 0, 40, 20}, true, hueloom::UpDownPart::First).right == 20);
}

TEST_CASE("a drawn up-down: hot and held arrows, and the buddy still counts") {
    LookScene host;
    HWND buddy = host.child(L"Edit", WS_BORDER | ES_NUMBER, {10, 10, 90, 34}, L"3");
    HWND upDown = host.child(UPDOWN_CLASSW, UDS_SETBUDDYINT, {100, 10, 120, 50});
    SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageW(upDown, UDM_SETRANGE32, 0, 10);
    SendMessageW(upDown, UDM_SETPOS32, 0, 3);
    host.apply(Look::Dark);
    REQUIRE(isDrawn(upDown));
    const auto faceAt = [&](int y) { return printClient(upDown).at(3, y); };

    CHECK(faceAt(5) == surface().face);
    CHECK(faceAt(35) == surface().face);
    CHECK(printClient(upDown).at(0, 5) == surface().frame);
    const RECT upper{0, 0, 20, 20}, lower{0, 20, 20, 40};
    std::vector<int> up = rowWidths(printClient(upDown), upper, theme().controlText);
    std::vector<int> down = rowWidths(printClient(upDown), lower, theme().controlText);
    REQUIRE(up.size() >= 2);
    REQUIRE(down.size() >= 2);
    CHECK(up.front() < up.back());      // an up arrow above
    CHECK(down.front() > down.back());  // a down arrow below

    moveCursorOver(upDown);
    SendMessageW(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));
    CHECK(faceAt(35) == surface().hotFace);
    CHECK(faceAt(5) == surface().face);

    SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    CHECK(faceAt(5) == surface().pressedFace);
    SendMessageW(upDown, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    CHECK(faceAt(5) != surface().pressedFace);
    CHECK(SendMessageW(upDown, UDM_GETPOS32, 0, 0) == 4);

    SendMessageW(upDown, WM_MOUSELEAVE, 0, 0);
    CHECK(faceAt(35) == surface().face);
    EnableWindow(upDown, FALSE);
    int arrows = 0;
    const PixelGrid off = printClient(upDown);
    for (int y = 1; y < 39; ++y)
        for (int x = 1; x < 19; ++x) arrows += off.at(x, y) == surface().disabledText;
    CHECK(arrows > 6);
}

TEST_CASE("a horizontal up-down shows left and right arrows") {
    LookScene host;
    HWND upDown = host.child(UPDOWN_CLASSW, UDS_HORZ, {10, 10, 50, 30});
    host.apply(Look::Light);
    const PixelGrid p = printClient(upDown);
    const auto columnHeights = [&](int from, int to) {
        std::vector<int> heights;
        for (int x = from; x < to; ++x) {
            int height = 0;
            for (int y = 0; y < 20; ++y) height += p.at(x, y) == theme().controlText;
            if (height) heights.push_back(height);
        }
        return heights;
    };
    const std::vector<int> left = columnHeights(0, 20), right = columnHeights(20, 40);
    REQUIRE(left.size() >= 2);
    REQUIRE(right.size() >= 2);
    CHECK(left.front() < left.back());
    CHECK(right.front() > right.back());
}

TEST_CASE("a drawn combo box: frame, drop button, hot button, disabled, and simple ones left alone") {
    LookScene host;
    HWND combo = host.child(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, {10, 10, 170, 200});
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Red"));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    HWND simple = host.child(L"ComboBox", CBS_SIMPLE, {200, 10, 360, 120});
    host.apply(Look::Dark);
    REQUIRE(isDrawn(combo));
    CHECK_FALSE(isDrawn(simple));

    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    REQUIRE(SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)));
    const RECT& button = info.rcButton;
    const auto buttonFace = [&] { return printClient(combo).at(button.left + 1, button.top + 1); };
    const PixelGrid p = printClient(combo);
    CHECK(p.at(0, 0) == surface().frame);
    CHECK(p.at(1, 1) == theme().controlBack);
    CHECK(buttonFace() == theme().controlBack);
    CHECK(p.at((button.left + button.right - 1) / 2, (button.top + button.bottom - 1) / 2) == theme().controlText);

    moveCursorOver(combo);
    SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(button.left + 3, button.top + 3));
    CHECK(buttonFace() == surface().hotFace);
    SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));  // over the field
    CHECK(buttonFace() == theme().controlBack);

    EnableWindow(combo, FALSE);
    CHECK(printClient(combo).at(0, 0) == surface().disabledText);
    EnableWindow(combo, TRUE);

    SUBCASE("the frame and button are painted on screen too, over the combo box's own paint") {
        const PixelGrid screen = captureClient(combo);
        CHECK(screen.at(0, 0) == surface().frame);
        CHECK(screen.at(button.left + 1, button.top + 1) == theme().controlBack);
    }
}

TEST_CASE("arrow buttons and scroll bars scale with the DC's resolution") {
    LookScene host;
    host.apply(Look::Dark);
    const hueloom::ThemeState& t = theme();
    const auto frameWidth = [&](int dpi) {
        DibCanvas canvas(40, 40);
        hueloom::paintArrowButton(canvas.dc(), {0, 0, 40, 40}, hueloom::ArrowDirection::Up, {}, t, dpi, true);
        int width = 0;
        while (width < 10 && canvas.pixel(width, 20) == hueloom::controlSurface(t).frame) ++width;
        return width;
    };
    CHECK(frameWidth(96) == 1);
    CHECK(frameWidth(144) == 2);
    CHECK(frameWidth(192) == 2);
    CHECK(frameWidth(288) == 3);

    // The thumb is inset across the bar by 2 pixels at 96 DPI, 4 at 192.
    const auto thumbInset = [&](int dpi) {
        DibCanvas canvas(200, 24);
        const hueloom::ScrollLayout layout = hueloom::scrollLayout(200, 24, {0, 100, 20, 0}, 12);
        hueloom::paintScrollBar(canvas.dc(), {0, 0, 200, 24}, layout, {}, t, dpi);
        const int x = (layout.thumbStart + layout.thumbEnd) / 2;
        int inset = 0;
        while (inset < 12 && canvas.pixel(x, inset) == t.controlBack) ++inset;
        return inset;
    };
    CHECK(thumbInset(96) == 2);
    CHECK(thumbInset(192) == 4);
}
