#pragma once
// Geometry of the controls the plug-in draws itself, as plain arithmetic on the 96-DPI
// design scaled to a DPI (0 or less counts as 96). No window calls here.
#include <windows.h>

#include <cstdint>

namespace hueloom {

// Space between a text and the edges of its item (header items, status parts, tooltips).
[[nodiscard]] int textPadding(int dpi) noexcept;

// The sort arrow of a header item: a triangle pointing up or down, centred in `area`.
struct Triangle {
    POINT points[3];
};
[[nodiscard]] Triangle sortArrow(const RECT& area, bool up, int dpi) noexcept;
// The width a sort arrow takes at the right end of a header item.
[[nodiscard]] int sortArrowRoom(int dpi) noexcept;

// The filled part of a progress track `inner` for `fraction` (clamped to 0..1): from the
// left, or from the bottom when vertical.
[[nodiscard]] RECT progressFill(const RECT& inner, double fraction, bool vertical) noexcept;
// The moving block of a marquee progress bar `elapsedMs` into its run: it enters at one
// end, crosses the track and leaves at the other, then starts again; clipped to `inner`.
[[nodiscard]] RECT marqueeBlock(const RECT& inner, bool vertical, uint32_t elapsedMs, int dpi) noexcept;

// The expand button of a tree item, a square of odd side centred on `centre`.
[[nodiscard]] RECT treeButtonBox(POINT centre, int dpi) noexcept;
// The centre of that button for an item at `level` (0 for a root item) in a row from
// `rowTop` to `rowBottom`: each level is `indent` wide, scrolled by `scrollX` pixels.
// Without lines at the root the root items have no button and every level moves left.
[[nodiscard]] POINT treeButtonCentre(int level, int indent, int rowTop, int rowBottom, int scrollX,
                                     bool linesAtRoot) noexcept;

// The size grip of a status bar: the squares of its dots, in the bottom right corner.
struct GripDots {
    RECT dots[6];
    int count = 0;
};
[[nodiscard]] GripDots sizeGripDots(const RECT& client, int dpi) noexcept;

} // namespace hueloom
