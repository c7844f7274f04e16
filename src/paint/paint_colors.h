#pragma once
// Colour rules every painter shares. Pure.
#include <cstdint>

#include "theme/color.h"

namespace hueloom {

// Disabled glyphs and text: this share of the text colour mixed into the background.
inline constexpr int32_t kDisabledBlendPercent = 45;
[[nodiscard]] Color disabledColor(Color background, Color text) noexcept;

// The check mark stands out from the box face: white on faces below this brightness
// (a stricter line than `isDarkColor`), RGB 32,32,32 on brighter ones.
inline constexpr int32_t kLightMarkFaceBrightness = 140000;
[[nodiscard]] Color checkMarkColor(Color face) noexcept;

} // namespace hueloom
