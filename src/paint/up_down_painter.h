#pragma once
// Up-down controls in the theme's colours: two framed arrow buttons, for builds that have
// no native dark theme to draw them.
#include <windows.h>

#include "theme/theme_state.h"

namespace hueloom {

// The top half of a vertical control or the left half of a horizontal one is the first.
enum class UpDownPart { None, First, Second };

struct UpDownLook {
    bool horizontal = false;  // UDS_HORZ: left and right arrows
    bool enabled = true;
    UpDownPart hot = UpDownPart::None;
    UpDownPart pressed = UpDownPart::None;
};

[[nodiscard]] RECT upDownHalf(const RECT& client, bool horizontal, UpDownPart part) noexcept;
[[nodiscard]] UpDownPart upDownPartAt(const RECT& client, bool horizontal, POINT point) noexcept;

void paintUpDown(HDC dc, const RECT& client, const UpDownLook& look, const ThemeState& theme, int dpi);

} // namespace hueloom
