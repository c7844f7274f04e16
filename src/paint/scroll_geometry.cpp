#include "paint/scroll_geometry.h"

#include <algorithm>

namespace hueloom {

namespace {

// How many steps the thumb can take from the first position to the last.
int64_t positionSteps(const ScrollRange& range) noexcept {
    return static_cast<int64_t>(lastScrollPosition(range)) - range.minimum;
}

// a * b / c rounded to nearest, for non-negative a, b and a positive c.
int64_t scaled(int64_t a, int64_t b, int64_t c) noexcept { return (a * b + c / 2) / c; }

} // namespace

int32_t lastScrollPosition(const ScrollRange& range) noexcept {
    const int64_t last = static_cast<int64_t>(range.maximum) - std::max<int64_t>(range.page - 1, 0);
    return static_cast<int32_t>(std::max<int64_t>(last, range.minimum));
}

ScrollLayout scrollLayout(int32_t length, int32_t thickness, const ScrollRange& range,
                          int32_t minimumThumb) noexcept {
    ScrollLayout layout;
    layout.length = std::max(length, 0);
    layout.arrow = std::clamp(thickness, 0, layout.length / 2);
    const int64_t track = layout.trackEnd() - layout.trackStart();
    const int64_t steps = positionSteps(range);
    if (steps <= 0 || track <= 0 || track < minimumThumb) return layout;

    const int64_t span = static_cast<int64_t>(range.maximum) - range.minimum + 1;
    int64_t thumb = range.page > 0 ? scaled(track, range.page, span) : thickness;
    thumb = std::clamp<int64_t>(thumb, std::max(minimumThumb, 1), track);
    if (thumb >= track) return layout;  // no room to move

    const int64_t offset = std::clamp<int64_t>(static_cast<int64_t>(range.position) - range.minimum, 0, steps);
    layout.thumbStart = layout.trackStart() + static_cast<int32_t>(scaled(track - thumb, offset, steps));
    layout.thumbEnd = layout.thumbStart + static_cast<int32_t>(thumb);
    return layout;
}

ScrollPart scrollPartAt(const ScrollLayout& layout, int32_t along) noexcept {
    if (along < 0 || along >= layout.length) return ScrollPart::None;
    if (along < layout.trackStart()) return ScrollPart::LineBack;
    if (along >= layout.trackEnd()) return ScrollPart::LineForward;
    if (!layout.hasThumb()) return ScrollPart::None;
    if (along < layout.thumbStart) return ScrollPart::PageBack;
    if (along < layout.thumbEnd) return ScrollPart::Thumb;
    return ScrollPart::PageForward;
}

int32_t scrollPositionForThumb(const ScrollLayout& layout, const ScrollRange& range, int32_t thumbStart) noexcept {
    const int64_t room = static_cast<int64_t>(layout.trackEnd() - layout.trackStart()) -
                         (layout.thumbEnd - layout.thumbStart);
    const int64_t steps = positionSteps(range);
    if (room <= 0 || steps <= 0) return range.minimum;
    const int64_t offset = std::clamp<int64_t>(static_cast<int64_t>(thumbStart) - layout.trackStart(), 0, room);
    return static_cast<int32_t>(range.minimum + scaled(offset, steps, room));
}

} // namespace hueloom
