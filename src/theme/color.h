#pragma once
// Colour values: the only place that turns colour text into a colour and back, and that
// mixes colours for painting. Pure: no window calls.
#include <cstdint>
#include <string>
#include <string_view>

namespace hueloom {

// A Windows colour value: red in the low byte, then green, then blue; top byte 0.
using Color = uint32_t;

struct ParsedColor {
    Color color = 0;
    bool ok = false;
};

// "#RRGGBB"/"RRGGBB", then "R,G,B", then a plain decimal colour value, then a colour name.
[[nodiscard]] ParsedColor parseColor(std::wstring_view text) noexcept;
// Always "R,G,B", red first, no spaces or leading zeros.
[[nodiscard]] std::wstring formatColor(Color color);
// Each channel clamped to 0..255.
[[nodiscard]] Color makeColor(int32_t red, int32_t green, int32_t blue) noexcept;
// Mixes `percent` of `second` into `first`.
[[nodiscard]] Color blendColors(Color first, Color second, int32_t percent) noexcept;
// R*299 + G*587 + B*114; below 128000 counts as dark.
[[nodiscard]] int32_t colorBrightness(Color color) noexcept;
[[nodiscard]] bool isDarkColor(Color color) noexcept;
// 35 % towards white for a dark colour, towards black otherwise.
[[nodiscard]] Color contrastShade(Color color) noexcept;

inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kBlack = 0x000000;

inline constexpr int32_t redOf(Color c) noexcept { return static_cast<int32_t>(c & 0xFF); }
inline constexpr int32_t greenOf(Color c) noexcept { return static_cast<int32_t>((c >> 8) & 0xFF); }
inline constexpr int32_t blueOf(Color c) noexcept { return static_cast<int32_t>((c >> 16) & 0xFF); }

// Leading spaces/tabs, optional sign, then "$" hex, "%" binary or decimal digits; stops at
// the first character that does not belong; no digits give 0. Saturates instead of
// overflowing.
[[nodiscard]] int64_t readInteger(std::wstring_view text) noexcept;
// "+Infinity", "-Infinity", "NaN" (any case, whole text); otherwise a locale-independent
// decimal real read up to the first character that does not belong; 0 when no number.
[[nodiscard]] double readReal(std::wstring_view text) noexcept;

} // namespace hueloom
