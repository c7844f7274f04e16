#pragma once
// The default palette of each base mode: the colours a theme starts from before a script
// or a skin file changes any of them. Pure, so tools can show what a skin gives.
#include <cstdint>

#include "theme/color.h"
#include "theme/mode.h"

namespace hueloom {

struct Palette {
    Color controlBack;
    Color controlText;
    Color pageBack;
    Color accent;
};

// Dark and Light: what a change to that mode writes. System: the stock look that Reset
// restores; Reset keeps the accent, so the accent given here is only the one at load.
[[nodiscard]] Palette modePalette(Mode mode) noexcept;

} // namespace hueloom
