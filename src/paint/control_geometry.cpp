#include "paint/control_geometry.h"

#include <algorithm>

#include "paint/paint_geometry.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {

constexpr int kTextPadding = 6;
constexpr int kArrowHalfWidth = 4;
constexpr int kArrowHeight = 4;
constexpr int kMinMarqueeBlock = 24;
constexpr int kMarqueeMsPerPixel = 8;  // about 120 pixels a second at 96 DPI
constexpr int kTreeButton = 9;
constexpr int kGripDot = 2;
constexpr int kGripStep = 4;

int normalDpi(int dpi) noexcept { return dpi > 0 ? dpi : 96; }

} // namespace

int textPadding(int dpi) noexcept { return scaleForDpi(kTextPadding, normalDpi(dpi)); }

Triangle sortArrow(const RECT& area, bool up, int dpi) noexcept {
    dpi = normalDpi(dpi);
    const int half = scaleForDpi(kArrowHalfWidth, dpi);
    const int height = scaleForDpi(kArrowHeight, dpi);
    const int cx = (area.left + area.right) / 2;
    const int top = (area.top + area.bottom - height) / 2;
    const int bottom = top + height;
    if (up) return {{{cx - half, bottom}, {cx + half, bottom}, {cx, top}}};
    return {{{cx - half, top}, {cx + half, top}, {cx, bottom}}};
}

int sortArrowRoom(int dpi) noexcept {
    dpi = normalDpi(dpi);
    return 2 * scaleForDpi(kArrowHalfWidth, dpi) + 1 + textPadding(dpi);
}

RECT progressFill(const RECT& inner, double fraction, bool vertical) noexcept {
    fraction = clampedFraction(fraction);
    RECT fill = inner;
    if (vertical) {
        const int length = roundHalfEven((inner.bottom - inner.top) * fraction);
        fill.top = inner.bottom - length;
    } else {
        const int length = roundHalfEven((inner.right - inner.left) * fraction);
        fill.right = inner.left + length;
    }
    return fill;
}

RECT marqueeBlock(const RECT& inner, bool vertical, uint32_t elapsedMs, int dpi) noexcept {
    dpi = normalDpi(dpi);
    const int length = std::max(0, static_cast<int>(vertical ? inner.bottom - inner.top : inner.right - inner.left));
    const int block = std::max(length / 4, scaleForDpi(kMinMarqueeBlock, dpi));
    const int travel = length + block;
    // The leading edge runs from the start of the track to a block length past its end.
    const uint64_t moved = uint64_t{elapsedMs} * static_cast<uint64_t>(dpi) / (96u * kMarqueeMsPerPixel);
    const int lead = static_cast<int>(moved % static_cast<uint64_t>(travel));
    RECT out = inner;
    if (vertical) {
        out.bottom = std::min(inner.bottom, inner.bottom - lead + block);
        out.top = std::max(inner.top, inner.bottom - lead);
    } else {
        out.left = std::max(inner.left, inner.left + lead - block);
        out.right = std::min(inner.right, inner.left + lead);
    }
    return out;
}

RECT treeButtonBox(POINT centre, int dpi) noexcept {
    int side = scaleForDpi(kTreeButton, normalDpi(dpi));
    if (side % 2 == 0) ++side;  // odd, so the sign has a middle row and column
    const int half = side / 2;
    return {centre.x - half, centre.y - half, centre.x - half + side, centre.y - half + side};
}

POINT treeButtonCentre(int level, int indent, int rowTop, int rowBottom, int scrollX, bool linesAtRoot) noexcept {
    const int column = linesAtRoot ? level : level - 1;
    return {column * indent + indent / 2 - scrollX, (rowTop + rowBottom) / 2 - 1};
}

GripDots sizeGripDots(const RECT& client, int dpi) noexcept {
    dpi = normalDpi(dpi);
    const int dot = scaleForDpi(kGripDot, dpi);
    const int step = scaleForDpi(kGripStep, dpi);
    const int right = client.right - scaleForDpi(2, dpi);
    const int bottom = client.bottom - scaleForDpi(2, dpi);
    GripDots grip;
    // Three rows: one dot at the top, two, three at the bottom, right-aligned.
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column <= row; ++column) {
            const int x = right - (column + 1) * step + (step - dot);
            const int y = bottom - (3 - row) * step + (step - dot);
            grip.dots[grip.count++] = {x, y, x + dot, y + dot};
        }
    }
    return grip;
}

} // namespace hueloom
