#include "common/text.h"

namespace hueloom {

std::wstring_view trimmed(std::wstring_view text, std::wstring_view blanks) noexcept {
    const size_t begin = text.find_first_not_of(blanks);
    if (begin == std::wstring_view::npos) return {};
    const size_t end = text.find_last_not_of(blanks);
    return text.substr(begin, end - begin + 1);
}

std::wstring trimSpaces(std::wstring_view text) { return std::wstring(trimmed(text)); }

wchar_t lowerChar(wchar_t c) {
    const unsigned u = static_cast<unsigned>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<wchar_t>(u + 32);
    if (u < 0xC0) return c;
    if ((u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<wchar_t>(u + 32);
    if (u >= 0x100 && u <= 0x137 && (u % 2) == 0) return static_cast<wchar_t>(u + 1);
    if (u >= 0x139 && u <= 0x148 && (u % 2) == 1) return static_cast<wchar_t>(u + 1);
    if (u >= 0x14A && u <= 0x177 && (u % 2) == 0) return static_cast<wchar_t>(u + 1);
    if (u == 0x178) return static_cast<wchar_t>(0xFF);
    if (u >= 0x179 && u <= 0x17E && (u % 2) == 1) return static_cast<wchar_t>(u + 1);
    if (u >= 0x391 && u <= 0x3AB && u != 0x3A2) return static_cast<wchar_t>(u + 32);
    if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 80);
    if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 32);
    return c;
}

std::wstring lowerCase(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out) c = lowerChar(c);
    return out;
}

std::wstring normalizedWord(std::wstring_view text) {
    return lowerCase(trimSpaces(text));
}

bool isOffWord(std::wstring_view text) {
    const std::wstring word = normalizedWord(text);
    return word == L"off" || word == L"0" || word == L"false";
}

std::wstring decimalText(int64_t value) {
    // Built by hand: the C++ library's wide formatting may depend on the locale.
    wchar_t buffer[24];
    int pos = 24;
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        buffer[--pos] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) buffer[--pos] = L'-';
    return std::wstring(buffer + pos, buffer + 24);
}

bool equalsIgnoreCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i])) return false;
    return true;
}

} // namespace hueloom
