#pragma once
// Small text helpers of the host's script language. Pure: no window or system calls.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace standin {

// Variable names, labels and commands compare without regard to ASCII letter case.
[[nodiscard]] std::string foldCase(std::string_view text);
[[nodiscard]] bool equalsFolded(std::string_view a, std::string_view b) noexcept;

// Removes leading and trailing spaces and tabs.
[[nodiscard]] std::string_view trimBlanks(std::string_view text) noexcept;

// A whole decimal integer with an optional sign, or "0x" followed by hex digits;
// surrounding blanks are allowed. Nothing else is a number.
[[nodiscard]] std::optional<int64_t> parseInteger(std::string_view text) noexcept;

// "R,G,B" with three whole numbers from 0 to 255 (blanks allowed around them), as
// GetPixel writes colours; the parts in that order.
[[nodiscard]] std::optional<std::array<uint8_t, 3>> parseRgb(std::string_view text) noexcept;

// "#N" names an export by its ordinal, 1 to 65535; nothing else does.
[[nodiscard]] std::optional<uint16_t> parseOrdinal(std::string_view text) noexcept;

// "[Name]": at least one character between the brackets, no bracket inside.
[[nodiscard]] bool isBracketedName(std::string_view text) noexcept;
// Adds the brackets when the name has none.
[[nodiscard]] std::string bracketed(std::string_view name);

}  // namespace standin
