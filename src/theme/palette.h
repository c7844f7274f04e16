#pragma once
// The default palette of each base mode: the colours a theme starts from before a script
// or a skin file changes any of them. Pure, so tools can show what a skin gives.
#include <cstdint>

#include "theme/color.h"

namespace hueloom {

// The base mode a skin selects; the same values as ThemeMode.
enum class SkinMode : int32_t { System = 0, Dark = 1, Light = 2 };

struct Palette {
    Color controlBack;
    Color controlText;
    Color pageBack;
    Color accent;
};

// Dark and Light: what a change to that mode writes. System: the stock look that Reset
// restores; Reset keeps the accent, so the accent given here is only the one at load.
[[nodiscard]] Palette modePalette(SkinMode mode) noexcept;

// "Dark", "Light" or "System".
[[nodiscard]] const wchar_t* skinModeName(SkinMode mode) noexcept;

} // namespace hueloom
