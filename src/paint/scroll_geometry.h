#pragma once
// Where the arrows, the track and the thumb of a scroll bar lie along its length, and which
// position a dragged thumb stands for. Plain arithmetic, the same for painting and for
// hit-testing; no window calls.
#include <cstdint>

namespace hueloom {

// Along the bar: the arrow and page towards the minimum ("back"), the thumb, and the page
// and arrow towards the maximum.
enum class ScrollPart { None, LineBack, PageBack, Thumb, PageForward, LineForward };

struct ScrollRange {
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t page = 0;  // 0: no page, the thumb has a fixed length
    int32_t position = 0;
};

struct ScrollLayout {
    int32_t length = 0;  // of the whole bar
    int32_t arrow = 0;   // of each arrow button
    int32_t thumbStart = 0;
    int32_t thumbEnd = 0;  // equal to thumbStart when there is no thumb
    [[nodiscard]] int32_t trackStart() const noexcept { return arrow; }
    [[nodiscard]] int32_t trackEnd() const noexcept { return length - arrow; }
    [[nodiscard]] bool hasThumb() const noexcept { return thumbEnd > thumbStart; }
};

// A bar `length` long and `thickness` across. Arrows are square unless the bar is shorter
// than two of them. The thumb is as long as the page's share of the track (the thickness
// without a page), never shorter than `minimumThumb`; there is none when nothing can
// scroll or the track is too short for it.
[[nodiscard]] ScrollLayout scrollLayout(int32_t length, int32_t thickness, const ScrollRange& range,
                                        int32_t minimumThumb) noexcept;

// The part at `along` pixels from the bar's start (None outside, or on a track without thumb).
[[nodiscard]] ScrollPart scrollPartAt(const ScrollLayout& layout, int32_t along) noexcept;

// The highest position the range allows: the maximum, less the page but for one line.
[[nodiscard]] int32_t lastScrollPosition(const ScrollRange& range) noexcept;

// The position a thumb starting at `thumbStart` stands for, clamped to the range.
[[nodiscard]] int32_t scrollPositionForThumb(const ScrollLayout& layout, const ScrollRange& range,
                                             int32_t thumbStart) noexcept;

} // namespace hueloom
