#include "theme/color.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "common/text.h"

namespace hueloom {

namespace {

struct NamedColor {
    const wchar_t* name;
    int32_t red, green, blue;
};

constexpr NamedColor kColorNames[] = {
    {L"black", 0, 0, 0},        {L"white", 255, 255, 255}, {L"red", 255, 0, 0},
    {L"green", 0, 128, 0},      {L"lime", 0, 255, 0},      {L"blue", 0, 0, 255},
    {L"yellow", 255, 255, 0},   {L"gray", 128, 128, 128},  {L"grey", 128, 128, 128},
    {L"silver", 192, 192, 192}, {L"navy", 0, 0, 128},      {L"teal", 0, 128, 128},
    {L"purple", 128, 0, 128},   {L"maroon", 128, 0, 0},    {L"olive", 128, 128, 0},
    {L"orange", 255, 165, 0},
};

constexpr int32_t kDarkBelow = 128000;
constexpr int32_t kContrastPercent = 35;

bool isDecimalDigit(wchar_t c) noexcept { return c >= L'0' && c <= L'9'; }

int digitValue(wchar_t c) noexcept {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return 99;
}

// A component of "R,G,B" beyond the 32-bit range clamps like any other out-of-range
// value instead of wrapping round to an unrelated number.
int32_t clampToInt32(int64_t value) noexcept {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

ParsedColor accepted(Color color) noexcept { return {color, true}; }

ParsedColor parseComponents(std::wstring_view text) noexcept {
    const size_t first = text.find(L',');
    const size_t second = text.find(L',', first + 1);
    const auto component = [](std::wstring_view field) noexcept {
        return clampToInt32(readInteger(field));
    };
    // readInteger skips leading blanks and stops at trailing ones, so the fields need no
    // separate trimming.
    return accepted(makeColor(component(text.substr(0, first)),
                              component(text.substr(first + 1, second - first - 1)),
                              component(text.substr(second + 1))));
}

bool equalsAsciiIgnoreCase(std::wstring_view text, const wchar_t* name) noexcept {
    const size_t length = std::wcslen(name);
    if (text.size() != length) return false;
    for (size_t i = 0; i < length; ++i)
        if (lowerChar(text[i]) != name[i]) return false;
    return true;
}

bool equalsIgnoreCaseAscii(std::wstring_view text, std::string_view word) noexcept {
    if (text.size() != word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        wchar_t c = text[i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
        if (c != static_cast<wchar_t>(word[i])) return false;
    }
    return true;
}

int64_t saturatingAdd(int64_t a, int64_t b) noexcept {
    if (b > 0 && a > std::numeric_limits<int64_t>::max() - b) return std::numeric_limits<int64_t>::max();
    if (b < 0 && a < std::numeric_limits<int64_t>::min() - b) return std::numeric_limits<int64_t>::min();
    return a + b;
}

// Significant digits of a decimal real, leading zeros dropped.
class SignificantDigits {
public:
    // Adds a digit; false while only leading zeros have been seen.
    bool add(wchar_t digit) noexcept {
        if (count_ == 0 && digit == L'0') return false;
        if (count_ < kKept) buffer_[2 + count_++] = static_cast<char>(digit);
        else if (digit != L'0') sticky_ = true;
        return true;
    }
    // 0.DIGITS times ten to the power of `exponent`.
    [[nodiscard]] double toDouble(int64_t exponent) noexcept {
        if (count_ == 0) return 0.0;
        // Far beyond the range of a double either way; keeps the text short.
        constexpr int64_t kExponentBound = 100000;
        if (exponent > kExponentBound) return std::numeric_limits<double>::infinity();
        if (exponent < -kExponentBound) return 0.0;
        buffer_[0] = '0';
        buffer_[1] = '.';
        size_t length = 2 + count_;
        if (sticky_) buffer_[length++] = '1';
        buffer_[length++] = 'e';
        const auto written = std::to_chars(buffer_ + length, buffer_ + sizeof buffer_, exponent);
        double value = 0.0;
        const auto result = std::from_chars(buffer_, written.ptr, value);
        if (result.ec == std::errc::result_out_of_range)
            return exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return value;
    }

private:
    // More than the 767 significant digits that correct rounding of a double can need.
    static constexpr size_t kKept = 800;
    char buffer_[2 + kKept + 1 + 1 + 24] = {};
    size_t count_ = 0;
    bool sticky_ = false;
};

} // namespace

ParsedColor parseColor(std::wstring_view text) noexcept {
    std::wstring_view t = trimmed(text);
    if (t.empty()) return {};
    if (t.front() == L'#') t.remove_prefix(1);

    if (t.size() == 6) {
        bool hex = true;
        int64_t value = 0;
        for (wchar_t c : t) {
            const int digit = digitValue(c);
            if (digit > 15) { hex = false; break; }
            value = value * 16 + digit;
        }
        if (hex)
            return accepted(makeColor(static_cast<int32_t>((value >> 16) & 0xFF),
                                      static_cast<int32_t>((value >> 8) & 0xFF),
                                      static_cast<int32_t>(value & 0xFF)));
    }

    size_t commas = 0;
    for (wchar_t c : t) commas += (c == L',');
    if (commas == 2) return parseComponents(t);

    if (!t.empty()) {
        bool allDigits = true;
        for (wchar_t c : t) allDigits = allDigits && isDecimalDigit(c);
        if (allDigits) return accepted(static_cast<Color>(readInteger(t) & 0xFFFFFF));
    }

    for (const NamedColor& named : kColorNames)
        if (equalsAsciiIgnoreCase(t, named.name))
            return accepted(makeColor(named.red, named.green, named.blue));
    return {};
}

std::wstring formatColor(Color color) {
    return decimalText(redOf(color)) + L"," + decimalText(greenOf(color)) + L"," +
           decimalText(blueOf(color));
}

Color makeColor(int32_t red, int32_t green, int32_t blue) noexcept {
    const auto channel = [](int32_t value) noexcept -> Color {
        return value < 0 ? 0u : value > 255 ? 255u : static_cast<Color>(value);
    };
    return channel(red) | channel(green) << 8 | channel(blue) << 16;
}

Color blendColors(Color first, Color second, int32_t percent) noexcept {
    // 64-bit arithmetic: a percentage far outside 0..100 must clamp, not overflow.
    const int64_t p = percent;
    const auto mix = [p](int32_t a, int32_t b) noexcept {
        return clampToInt32((a * (100 - p) + b * p) / 100);
    };
    return makeColor(mix(redOf(first), redOf(second)), mix(greenOf(first), greenOf(second)),
                     mix(blueOf(first), blueOf(second)));
}

int32_t colorBrightness(Color color) noexcept {
    return redOf(color) * 299 + greenOf(color) * 587 + blueOf(color) * 114;
}

bool isDarkColor(Color color) noexcept { return colorBrightness(color) < kDarkBelow; }

Color contrastShade(Color color) noexcept {
    const Color towards = isDarkColor(color) ? makeColor(255, 255, 255) : makeColor(0, 0, 0);
    return blendColors(color, towards, kContrastPercent);
}

int64_t readInteger(std::wstring_view text) noexcept {
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    int base = 10;
    if (i < text.size() && text[i] == L'$') base = 16, ++i;
    else if (i < text.size() && text[i] == L'%') base = 2, ++i;

    // The magnitude saturates one past INT64_MAX so that the most negative value is
    // reachable; long digit strings keep being consumed without overflow.
    constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + 1;
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit >= base) break;
        if (magnitude > (kLimit - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base))
            magnitude = kLimit;
        else
            magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    if (negative) return magnitude >= kLimit ? std::numeric_limits<int64_t>::min()
                                             : -static_cast<int64_t>(magnitude);
    return magnitude >= kLimit ? std::numeric_limits<int64_t>::max()
                               : static_cast<int64_t>(magnitude);
}

double readReal(std::wstring_view text) noexcept {
    if (equalsIgnoreCaseAscii(text, "+infinity")) return std::numeric_limits<double>::infinity();
    if (equalsIgnoreCaseAscii(text, "-infinity")) return -std::numeric_limits<double>::infinity();
    if (equalsIgnoreCaseAscii(text, "nan")) return std::numeric_limits<double>::quiet_NaN();

    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || (text[i] >= L'\t' && text[i] <= L'\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';

    // The number is rewritten as 0.DIGITS e EXPONENT in a fixed buffer for the
    // locale-independent std::from_chars. Digits beyond the buffer only decide rounding,
    // so they are folded into one non-zero "sticky" digit.
    SignificantDigits digits;
    int64_t exponent = 0;
    bool anyDigit = false;
    for (; i < text.size() && isDecimalDigit(text[i]); ++i) {
        anyDigit = true;
        if (digits.add(text[i])) exponent = saturatingAdd(exponent, 1);
    }
    if (i < text.size() && text[i] == L'.') {
        for (++i; i < text.size() && isDecimalDigit(text[i]); ++i) {
            anyDigit = true;
            if (!digits.add(text[i])) exponent = saturatingAdd(exponent, -1);  // leading zero
        }
    }
    if (!anyDigit) return 0.0;
    if (i + 1 < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == L'-' || text[j] == L'+')) ++j;
        if (j < text.size() && isDecimalDigit(text[j]))
            exponent = saturatingAdd(exponent, readInteger(text.substr(i + 1)));
    }
    const double magnitude = digits.toDouble(exponent);
    return negative ? -magnitude : magnitude;
}

} // namespace hueloom
