#pragma once
// The shades of the controls the plug-in draws itself (headers, tabs, progress bars, group
// boxes, status bars, tooltips) and of list and tree view items. Every shade is a mix of
// the theme's own colours, so a skin's colours carry over to every control. Pure.
#include <cstdint>

#include "theme/color.h"
#include "theme/theme_state.h"

namespace hueloom {

// How much of the text colour is mixed into the background for each shade.
inline constexpr int32_t kFacePercent = 8;
inline constexpr int32_t kHotFacePercent = 15;
inline constexpr int32_t kPressedFacePercent = 22;
inline constexpr int32_t kFramePercent = 30;
// A hot list or tree item: this much of the accent over the control background.
inline constexpr int32_t kHotItemAccentPercent = 25;

// One surface: what lies on `back` and is written in `text`.
struct Surface {
    Color back;          // the ground itself (a selected tab, a tooltip, a progress track)
    Color face;          // raised parts: header items, unselected tabs, the status bar
    Color hotFace;       // the same under the mouse
    Color pressedFace;   // the same while pressed
    Color frame;         // borders, dividers, group frames, tree lines and buttons
    Color text;
    Color disabledText;  // the shared disabled blend of back and text
};
[[nodiscard]] Surface surfaceOn(Color back, Color text) noexcept;

// Surfaces of the current theme: on the control colour (list and tree views, headers,
// progress tracks, tooltips) and on the page colour (tabs, group boxes, status bars).
[[nodiscard]] Surface controlSurface(const ThemeState& theme) noexcept;
[[nodiscard]] Surface pageSurface(const ThemeState& theme) noexcept;

// Selected list and tree items stand on the accent colour, written in the colour that
// reads on it (the check mark's rule); hot items on a faint accent tint.
struct ItemColors {
    Color back;
    Color text;
};
[[nodiscard]] ItemColors selectedItemColors(const ThemeState& theme) noexcept;
[[nodiscard]] ItemColors hotItemColors(const ThemeState& theme) noexcept;

} // namespace hueloom
