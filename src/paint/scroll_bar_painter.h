#pragma once
// Standalone scroll bars (class ScrollBar) in the theme's colours, for builds that have no
// native dark theme to draw them.
#include <windows.h>

#include "paint/scroll_geometry.h"
#include "theme/theme_state.h"

namespace hueloom {

struct ScrollBarLook {
    bool vertical = false;
    bool enabled = true;
    bool backArrowEnabled = true;
    bool forwardArrowEnabled = true;
    bool focused = false;
    ScrollPart hot = ScrollPart::None;
    ScrollPart pressed = ScrollPart::None;
};

// The thumb: the control surface's frame colour, shaded as a face of its own when hot or
// dragged.
[[nodiscard]] Color scrollThumbColor(const ScrollBarLook& look, const ThemeState& theme) noexcept;

// The track in the control colour (a held page in the pressed face), flat arrow buttons, and
// the thumb, inset across the bar, outlined in the accent when focused. A disabled bar
// shows no thumb.
void paintScrollBar(HDC dc, const RECT& client, const ScrollLayout& layout, const ScrollBarLook& look,
                    const ThemeState& theme, int dpi);

} // namespace hueloom
