#pragma once
// Text helpers shared by every subsystem. Pure: no window or system calls, so they can
// be unit-tested and fuzzed natively.
#include <cstdint>
#include <string>
#include <string_view>

namespace hueloom {

// The one trimming rule: `text` without the leading and trailing characters listed in
// `blanks`. Script parameters are trimmed of U+0020 only, because authors' tabs are
// significant; skin files also drop tabs (kSpacesAndTabs).
inline constexpr std::wstring_view kSpacesAndTabs = L" \t";
[[nodiscard]] std::wstring_view trimmed(std::wstring_view text, std::wstring_view blanks = L" ") noexcept;
// trimmed(), as an owned text.
[[nodiscard]] std::wstring trimSpaces(std::wstring_view text);

// Simple case folding, independent of the user's locale: ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic capitals become small letters.
wchar_t lowerChar(wchar_t c);
std::wstring lowerCase(std::wstring_view text);

// A script word trimmed of spaces and lower-cased: the form every word parameter is
// compared in.
std::wstring normalizedWord(std::wstring_view text);

// On/off switches: "off", "0" and "false" (any case, surrounding spaces) are off.
bool isOffWord(std::wstring_view text);

std::wstring decimalText(int64_t value);

bool equalsIgnoreCase(std::wstring_view a, std::wstring_view b);

} // namespace hueloom
