// The arithmetic of the drawn controls at 96 DPI and above, without windows.
#include <doctest.h>

#include <cmath>
#include <limits>

#include "paint/control_geometry.h"

using namespace hueloom;

namespace {

int width(const RECT& r) { return r.right - r.left; }
int height(const RECT& r) { return r.bottom - r.top; }
bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

} // namespace

TEST_CASE("sort arrows: centred triangles pointing their way, scaled with the DPI") {
    const RECT area{100, 0, 120, 24};
    const Triangle up = sortArrow(area, true, 96);
    // Up: the apex above the base, in the middle.
    CHECK(up.points[2].x == 110);
    CHECK(up.points[2].y < up.points[0].y);
    CHECK(up.points[0].y == up.points[1].y);
    CHECK(up.points[1].x - up.points[0].x == 8);
    const Triangle down = sortArrow(area, false, 96);
    CHECK(down.points[2].y > down.points[0].y);
    // Vertically centred: as much room above as below.
    CHECK(up.points[2].y - area.top == area.bottom - up.points[0].y);

    const Triangle large = sortArrow(area, true, 192);
    CHECK(large.points[1].x - large.points[0].x == 16);
    CHECK(large.points[0].y - large.points[2].y == 8);
    CHECK(sortArrowRoom(192) == 2 * sortArrowRoom(96) - 1);
    CHECK(textPadding(144) == 9);
    CHECK(textPadding(0) == textPadding(96));  // no resolution: drawn at 96 DPI
}

TEST_CASE("progress fill: the share of the track from the left, or from the bottom") {
    const RECT track{1, 1, 201, 17};
    CHECK(width(progressFill(track, 0.6, false)) == 120);
    CHECK(progressFill(track, 0.6, false).left == 1);
    CHECK(height(progressFill(track, 0.6, false)) == 16);
    CHECK(width(progressFill(track, 0.0, false)) == 0);
    CHECK(width(progressFill(track, 1.7, false)) == 200);  // clamped
    CHECK(width(progressFill(track, -3.0, false)) == 0);
    CHECK(width(progressFill(track, std::numeric_limits<double>::quiet_NaN(), false)) == 0);

    const RECT tall{0, 0, 18, 100};
    const RECT up = progressFill(tall, 0.25, true);
    CHECK(up.bottom == 100);
    CHECK(up.top == 75);
    CHECK(width(up) == 18);
}

TEST_CASE("marquee: a block enters at one end, crosses the track, leaves at the other and comes again") {
    const RECT track{0, 0, 200, 16};
    // 200 pixels: a 50-pixel block, 250 pixels of travel at 8 ms a pixel.
    CHECK(width(marqueeBlock(track, false, 0, 96)) == 0);  // not yet in
    const RECT entering = marqueeBlock(track, false, 8 * 20, 96);
    CHECK(entering.left == 0);
    CHECK(entering.right == 20);
    const RECT crossing = marqueeBlock(track, false, 8 * 120, 96);
    CHECK(crossing.left == 70);
    CHECK(width(crossing) == 50);
    const RECT leaving = marqueeBlock(track, false, 8 * 230, 96);
    CHECK(leaving.left == 180);
    CHECK(leaving.right == 200);
    // One run takes travel x 8 ms, then it repeats.
    const RECT again = marqueeBlock(track, false, 8 * (250 + 120), 96);
    CHECK(again.left == crossing.left);
    CHECK(again.right == crossing.right);
    for (uint32_t ms = 0; ms < 4000; ms += 37) CHECK(inside(marqueeBlock(track, false, ms, 96), track));
    // At 192 DPI it moves twice as fast, so it covers the same share of the screen.
    CHECK(marqueeBlock(track, false, 8 * 60, 192).right == 120);
    // Upright bars run from the bottom up.
    const RECT tall{0, 0, 16, 200};
    const RECT rising = marqueeBlock(tall, true, 8 * 20, 96);
    CHECK(rising.bottom == 200);
    CHECK(rising.top == 180);
    // A short track still shows a block of at least 24 pixels.
    CHECK(width(marqueeBlock(RECT{0, 0, 40, 10}, false, 8 * 30, 96)) == 24);
}

TEST_CASE("tree buttons: odd squares in the middle of their level's column") {
    const RECT box = treeButtonBox({9, 7}, 96);
    CHECK(width(box) == 9);
    CHECK(height(box) == 9);
    CHECK(box.left == 5);
    CHECK(box.top == 3);
    CHECK(width(treeButtonBox({0, 0}, 120)) == 11);  // 11.25
    CHECK(width(treeButtonBox({0, 0}, 192)) == 19);  // 18, made odd

    // Lines at the root: level 0 in the first column of `indent` pixels.
    CHECK(treeButtonCentre(0, 19, 0, 16, 0, true).x == 9);
    CHECK(treeButtonCentre(1, 19, 16, 32, 0, true).x == 28);
    CHECK(treeButtonCentre(1, 19, 16, 32, 0, true).y == 23);
    // Without: every level one column further left; scrolled right, everything moves left.
    CHECK(treeButtonCentre(1, 19, 0, 16, 0, false).x == 9);
    CHECK(treeButtonCentre(1, 19, 0, 16, 5, true).x == 23);
}

TEST_CASE("the size grip: six dots in a triangle in the bottom right corner") {
    const RECT client{0, 0, 300, 22};
    const GripDots grip = sizeGripDots(client, 96);
    REQUIRE(grip.count == 6);
    int rightmost = 0, lowest = 0;
    for (int i = 0; i < grip.count; ++i) {
        CHECK(inside(grip.dots[i], client));
        CHECK(width(grip.dots[i]) == 2);
        rightmost = std::max(rightmost, static_cast<int>(grip.dots[i].right));
        lowest = std::max(lowest, static_cast<int>(grip.dots[i].bottom));
    }
    CHECK(rightmost == 298);
    CHECK(lowest == 20);
    CHECK(width(sizeGripDots(client, 192).dots[0]) == 4);
}
