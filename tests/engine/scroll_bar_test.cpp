// Standalone scroll bars drawn in the theme: where the parts lie, what a press, a hold and a
// drag send the parent (as the system's scroll bar sends it), and how each state looks.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <climits>

#include "engine/pointer_tracking.h"
#include "engine/registry.h"
#include "engine/scroll_bar.h"
#include "fixtures.h"
#include "look_scene.h"
#include "scroll_recorder.h"
#include "overlay_test_helpers.h"
#include "paint/surface_colors.h"
#include "paint/scroll_bar_painter.h"
#include "paint/scroll_geometry.h"
#include "support/screen_pixels.h"
#include "theme/theme_state.h"

using namespace testing;
using hueloom::ScrollLayout;
using hueloom::ScrollPart;
using hueloom::ScrollRange;

TEST_CASE("scroll layout: square arrows, a thumb as long as the page's share, clamped and placed") {
    const ScrollRange range{0, 100, 20, 0};
    const ScrollLayout first = hueloom::scrollLayout(200, 18, range, 9);
    CHECK(first.arrow == 18);
    CHECK(first.trackStart() == 18);
    CHECK(first.trackEnd() == 182);
    CHECK(first.thumbStart == 18);
    CHECK(first.thumbEnd - first.thumbStart == 32);  // 164 * 20 / 101 = 32.5, rounded
    const ScrollLayout last = hueloom::scrollLayout(200, 18, {0, 100, 20, hueloom::lastScrollPosition(range)}, 9);
    CHECK(last.thumbEnd == 182);
    CHECK(hueloom::lastScrollPosition(range) == 81);
    // Positions beyond the range sit at its ends.
    CHECK(hueloom::scrollLayout(200, 18, {0, 100, 20, -50}, 9).thumbStart == 18);
    CHECK(hueloom::scrollLayout(200, 18, {0, 100, 20, 500}, 9).thumbEnd == 182);

    SUBCASE("without a page the thumb is as long as the bar is thick; a tiny page gets the minimum") {
        CHECK(hueloom::scrollLayout(200, 18, {0, 100, 0, 0}, 9).thumbEnd == 18 + 18);
        CHECK(hueloom::lastScrollPosition({0, 100, 0, 0}) == 100);
        const ScrollLayout tiny = hueloom::scrollLayout(200, 18, {0, 100000, 1, 0}, 9);
        CHECK(tiny.thumbEnd - tiny.thumbStart == 9);
    }
    SUBCASE("no thumb when nothing can scroll or the track has no room") {
        CHECK_FALSE(hueloom::scrollLayout(200, 18, {0, 0, 0, 0}, 9).hasThumb());
        CHECK_FALSE(hueloom::scrollLayout(200, 18, {0, 100, 101, 0}, 9).hasThumb());
        CHECK_FALSE(hueloom::scrollLayout(200, 18, {50, 10, 0, 0}, 9).hasThumb());
        const ScrollLayout short_ = hueloom::scrollLayout(30, 18, range, 9);
        CHECK(short_.arrow == 15);
        CHECK_FALSE(short_.hasThumb());
        CHECK_FALSE(hueloom::scrollLayout(40, 18, range, 9).hasThumb());  // a track of 4 pixels
    }
    SUBCASE("the extremes of the range do not overflow") {
        const ScrollRange huge{INT_MIN, INT_MAX, 0, 0};
        const ScrollLayout middle = hueloom::scrollLayout(400, 18, huge, 9);
        CHECK(middle.hasThumb());
        CHECK(std::abs((middle.thumbStart + middle.thumbEnd) / 2 - 200) <= 1);
        CHECK(hueloom::scrollPositionForThumb(middle, huge, middle.trackStart()) == INT_MIN);
        CHECK(hueloom::scrollPositionForThumb(middle, huge, 10000) == INT_MAX);
    }
}

TEST_CASE("scroll parts and dragged positions") {
    const ScrollRange range{10, 60, 10, 30};
    const ScrollLayout layout = hueloom::scrollLayout(200, 18, range, 9);
    CHECK(hueloom::scrollPartAt(layout, -1) == ScrollPart::None);
    CHECK(hueloom::scrollPartAt(layout, 0) == ScrollPart::LineBack);
    CHECK(hueloom::scrollPartAt(layout, 17) == ScrollPart::LineBack);
    CHECK(hueloom::scrollPartAt(layout, 18) == ScrollPart::PageBack);
    CHECK(hueloom::scrollPartAt(layout, layout.thumbStart) == ScrollPart::Thumb);
    CHECK(hueloom::scrollPartAt(layout, layout.thumbEnd - 1) == ScrollPart::Thumb);
    CHECK(hueloom::scrollPartAt(layout, layout.thumbEnd) == ScrollPart::PageForward);
    CHECK(hueloom::scrollPartAt(layout, 182) == ScrollPart::LineForward);
    CHECK(hueloom::scrollPartAt(layout, 199) == ScrollPart::LineForward);
    CHECK(hueloom::scrollPartAt(layout, 200) == ScrollPart::None);
    CHECK(hueloom::scrollPartAt(hueloom::scrollLayout(200, 18, {0, 0, 0, 0}, 9), 100) == ScrollPart::None);

    // Every position's thumb reads back as that position; beyond the track, the ends.
    for (int position = 10; position <= hueloom::lastScrollPosition(range); ++position) {
        const ScrollLayout at = hueloom::scrollLayout(200, 18, {10, 60, 10, position}, 9);
        CHECK(hueloom::scrollPositionForThumb(at, range, at.thumbStart) == position);
    }
    CHECK(hueloom::scrollPositionForThumb(layout, range, -100) == 10);
    CHECK(hueloom::scrollPositionForThumb(layout, range, 1000) == 51);
    CHECK(hueloom::scrollCodeFor(ScrollPart::LineBack) == SB_LINEUP);
    CHECK(hueloom::scrollCodeFor(ScrollPart::PageForward) == SB_PAGEDOWN);
    CHECK(hueloom::scrollCodeFor(ScrollPart::Thumb) == -1);
}

namespace {

constexpr int kLength = 200, kThick = 18;

struct BarScene {
    LookScene host;
    HWND recorder = nullptr;
    HWND bar = nullptr;

    explicit BarScene(DWORD style = SBS_HORZ) {
        recorder = createScrollRecorder(host.host(), {0, 0, 400, 300});
        const RECT box = style & SBS_VERT ? RECT{20, 20, 20 + kThick, 20 + kLength}
                                          : RECT{20, 20, 20 + kLength, 20 + kThick};
        bar = host.child(L"ScrollBar", style, box, L"", recorder);
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 30, 0};
        SetScrollInfo(bar, SB_CTL, &info, TRUE);
        host.apply(Look::Dark);
        REQUIRE(hueloom::windowRegistry().fallbackPainted.contains(bar));
        scrollNotes().clear();
    }
    ScrollLayout layout() const { return hueloom::scrollLayout(kLength, kThick, {0, 100, 20, position()}, kThick / 2); }
    int position() const { return GetScrollPos(bar, SB_CTL); }
    // A point along the horizontal bar, with the real cursor put there too.
    LPARAM at(int along) const {
        POINT screen{along, kThick / 2};
        ClientToScreen(bar, &screen);
        SetCursorPos(screen.x, screen.y);
        return MAKELPARAM(along, kThick / 2);
    }
    std::vector<int> codes() const {
        std::vector<int> out;
        for (const ScrollNote& note : scrollNotes()) out.push_back(note.code);
        return out;
    }
};

} // namespace

TEST_CASE("a drawn scroll bar sends its parent what the system's bar sends") {
    BarScene s;

    SUBCASE("an arrow: one line, then the end of scrolling") {
        SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(kLength - 5));
        CHECK(GetCapture() == s.bar);
        SendMessageW(s.bar, WM_LBUTTONUP, 0, s.at(kLength - 5));
        CHECK(s.codes() == std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL});
        CHECK(scrollNotes().front().message == WM_HSCROLL);
        CHECK(GetCapture() == nullptr);
    }
    SUBCASE("the track before and after the thumb: a page each way") {
        SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(s.layout().thumbStart - 3));
        SendMessageW(s.bar, WM_LBUTTONUP, 0, s.at(s.layout().thumbStart - 3));
        SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(s.layout().thumbEnd + 3));
        SendMessageW(s.bar, WM_LBUTTONUP, 0, s.at(s.layout().thumbEnd + 3));
        CHECK(s.codes() == std::vector<int>{SB_PAGEUP, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL});
    }
    SUBCASE("a held arrow repeats while the pointer stays on it") {
        SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(5));
        pumpMessages(hueloom::kScrollFirstRepeatMs + 6 * hueloom::kScrollRepeatMs);
        const size_t held = scrollNotes().size();
        CHECK(held >= 3);
        for (int code : s.codes()) CHECK(code == SB_LINEUP);
        s.at(kLength / 2);  // off the arrow: the repeat stops
        SendMessageW(s.bar, WM_MOUSEMOVE, MK_LBUTTON, s.at(kLength / 2));
        pumpMessages(4 * hueloom::kScrollRepeatMs);
        CHECK(scrollNotes().size() == held);
        SendMessageW(s.bar, WM_LBUTTONUP, 0, s.at(kLength / 2));
        CHECK(s.codes().back() == SB_ENDSCROLL);
    }
    SUBCASE("dragging the thumb: tracked positions, readable through SIF_TRACKPOS, then the final one") {
        const ScrollLayout layout = s.layout();
        const int grab = layout.thumbStart + 4;
        SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(grab));
        SendMessageW(s.bar, WM_MOUSEMOVE, MK_LBUTTON, s.at(grab + 40));
        const int expected = hueloom::scrollPositionForThumb(layout, {0, 100, 20, 30}, layout.thumbStart + 40);
        REQUIRE(scrollNotes().size() == 1);
        CHECK(scrollNotes()[0].code == SB_THUMBTRACK);
        CHECK(scrollNotes()[0].position == expected);
        CHECK(scrollNotes()[0].trackPosition == expected);
        SendMessageW(s.bar, WM_MOUSEMOVE, MK_LBUTTON, s.at(grab + 40));  // no move, no note
        CHECK(scrollNotes().size() == 1);
        SendMessageW(s.bar, WM_LBUTTONUP, 0, s.at(grab + 40));
        CHECK(s.codes() == std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL});
        CHECK(scrollNotes()[1].position == expected);
        CHECK(s.position() == 30);  // the parent sets the position, as with the system's bar
    }
    SUBCASE("a lost capture ends the hold with SB_ENDSCROLL and no final position") {
        SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(s.layout().thumbStart + 2));
        SendMessageW(s.bar, WM_MOUSEMOVE, MK_LBUTTON, s.at(s.layout().thumbStart + 30));
        SetCapture(s.host.host());
        ReleaseCapture();
        CHECK(s.codes() == std::vector<int>{SB_THUMBTRACK, SB_ENDSCROLL});
        CHECK(hueloom::drawnControlPointer().pressedWindow == nullptr);
    }
    SUBCASE("a disabled arrow does nothing") {
        EnableScrollBar(s.bar, SB_CTL, ESB_DISABLE_RTDN);
        SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(kLength - 5));
        SendMessageW(s.bar, WM_LBUTTONUP, 0, s.at(kLength - 5));
        CHECK(scrollNotes().empty());
        CHECK(GetCapture() == nullptr);
    }
    SUBCASE("vertical bars send WM_VSCROLL") {
        BarScene v(SBS_VERT);
        SendMessageW(v.bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kThick / 2, kLength - 5));
        SendMessageW(v.bar, WM_LBUTTONUP, 0, MAKELPARAM(kThick / 2, kLength - 5));
        REQUIRE(scrollNotes().size() == 2);
        CHECK(scrollNotes()[0].message == WM_VSCROLL);
        CHECK(scrollNotes()[0].code == SB_LINEDOWN);
    }
}

TEST_CASE("a drawn scroll bar's states on screen") {
    BarScene s;
    const hueloom::ThemeState& t = hueloom::currentTheme();
    const hueloom::Surface on = hueloom::controlSurface(t);
    const COLORREF thumb = on.frame;
    const hueloom::Surface onThumb = hueloom::surfaceOn(thumb, t.controlText);
    const auto thumbPixel = [&] { return printClient(s.bar).at((s.layout().thumbStart + s.layout().thumbEnd) / 2, kThick / 2); };
    const auto arrowFace = [&](int along) { return printClient(s.bar).at(along, 2); };

    CHECK(thumbPixel() == thumb);
    CHECK(arrowFace(kLength - 2) == t.controlBack);
    CHECK(printClient(s.bar).at(kLength / 2 + 60, kThick / 2) == t.controlBack);  // the track

    SUBCASE("hot thumb, pressed arrow, dragged thumb") {
        SendMessageW(s.bar, WM_MOUSEMOVE, 0, s.at(s.layout().thumbStart + 2));
        CHECK(thumbPixel() == onThumb.hotFace);
        SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(kLength - 5));
        CHECK(arrowFace(kLength - 2) == on.pressedFace);
        SendMessageW(s.bar, WM_LBUTTONUP, 0, s.at(kLength - 5));
        CHECK(arrowFace(kLength - 2) != on.pressedFace);
        SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(s.layout().thumbStart + 2));
        SendMessageW(s.bar, WM_MOUSEMOVE, MK_LBUTTON, s.at(s.layout().thumbStart + 60));
        // The thumb follows the drag although the parent has not moved the position yet.
        const ScrollLayout dragged = hueloom::scrollLayout(kLength, kThick, {0, 100, 20, scrollNotes().back().position}, 9);
        CHECK(printClient(s.bar).at((dragged.thumbStart + dragged.thumbEnd) / 2, kThick / 2) ==
              onThumb.pressedFace);
        SendMessageW(s.bar, WM_LBUTTONUP, 0, 0);
    }
    SUBCASE("focus outlines the thumb in the accent, without the system's blinking caret") {
        SetFocus(s.bar);
        REQUIRE(GetFocus() == s.bar);
        const PixelGrid p = printClient(s.bar);
        CHECK(p.at(s.layout().thumbStart, kThick / 2) == t.accent);
        POINT caret{-1, -1};
        GetCaretPos(&caret);
        CHECK(caret.x <= 0);
    }
    SUBCASE("disabled: no thumb, arrows in the disabled blend") {
        EnableWindow(s.bar, FALSE);
        const PixelGrid p = printClient(s.bar);
        CHECK(p.at((s.layout().thumbStart + s.layout().thumbEnd) / 2, kThick / 2) == t.controlBack);
        int disabled = 0;
        for (COLORREF pixel : p.pixels) disabled += pixel == on.disabledText;
        CHECK(disabled > 10);
    }
    SUBCASE("a position set with a redraw is painted by the subclass, not the system") {
        ValidateRect(s.bar, nullptr);
        SetScrollPos(s.bar, SB_CTL, 80, TRUE);
        CHECK(hasPendingPaint(s.bar));
        const ScrollLayout moved = s.layout();
        CHECK(captureClient(s.bar).at((moved.thumbStart + moved.thumbEnd) / 2, kThick / 2) == thumb);
        ValidateRect(s.bar, nullptr);
        SetScrollPos(s.bar, SB_CTL, 20, FALSE);
        CHECK_FALSE(hasPendingPaint(s.bar));
    }
}

TEST_CASE("Reset in the middle of a drag leaves a stock scroll bar that scrolls by itself") {
    BarScene s;
    SendMessageW(s.bar, WM_LBUTTONDOWN, MK_LBUTTON, s.at(s.layout().thumbStart + 2));
    s.host.reset();
    CHECK(hueloom::windowRegistry().fallbackPainted.empty());
    CHECK(hueloom::drawnControlPointer().pressedWindow == nullptr);
    CHECK(GetCapture() != s.bar);
    KillTimer(s.bar, hueloom::kScrollRepeatTimerId);
}
