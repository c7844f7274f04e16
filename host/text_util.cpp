#include "text_util.h"

namespace standin {

namespace {

char foldChar(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}

int digitValue(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string foldCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = foldChar(c);
    return out;
}

bool equalsFolded(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldChar(a[i]) != foldChar(b[i])) return false;
    return true;
}

std::string_view trimBlanks(std::string_view text) noexcept {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<std::array<uint8_t, 3>> parseRgb(std::string_view text) noexcept {
    std::array<uint8_t, 3> parts{};
    for (size_t i = 0; i < parts.size(); ++i) {
        const size_t comma = text.find(',');
        const bool last = i + 1 == parts.size();
        if ((comma == std::string_view::npos) != last) return std::nullopt;
        const std::string_view part = trimBlanks(text.substr(0, comma));
        if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        int value = 0;
        for (char c : part) value = value * 10 + (c - '0');
        if (value > 255) return std::nullopt;
        parts[i] = static_cast<uint8_t>(value);
        if (!last) text.remove_prefix(comma + 1);
    }
    return parts;
}

std::optional<uint16_t> parseOrdinal(std::string_view text) noexcept {
    if (text.size() < 2 || text.front() != '#') return std::nullopt;
    text.remove_prefix(1);
    uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint32_t>(c - '0');
        if (value > 0xFFFF) return std::nullopt;
    }
    if (value == 0) return std::nullopt;
    return static_cast<uint16_t>(value);
}

std::optional<int64_t> parseInteger(std::string_view text) noexcept {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        const int digit = digitValue(c);
        if (digit < 0 || digit >= base) return std::nullopt;
        if (value > (UINT64_MAX - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base))
            return std::nullopt;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    // Hex texts may spell any 64-bit pattern (window handles); decimal ones must fit.
    if (base == 10 && value > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
    const auto signedValue = static_cast<int64_t>(value);
    return negative ? -signedValue : signedValue;
}

bool isBracketedName(std::string_view text) noexcept {
    if (text.size() < 3 || text.front() != '[' || text.back() != ']') return false;
    const std::string_view inner = text.substr(1, text.size() - 2);
    return inner.find_first_of("[]") == std::string_view::npos;
}

std::string bracketed(std::string_view name) {
    if (!name.empty() && name.front() == '[') return std::string(name);
    std::string out;
    out.reserve(name.size() + 2);
    out += '[';
    out += name;
    out += ']';
    return out;
}

}  // namespace standin
