#include "skin_check/color_text.h"

#include <algorithm>

#include "common/text.h"

namespace hueloom::skincheck {

namespace {

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool isHexDigit(wchar_t c) { return isDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

bool allOf(std::wstring_view text, bool (*test)(wchar_t)) {
    return !text.empty() && std::all_of(text.begin(), text.end(), test);
}

// A component an author writes on purpose: 0 to 255 in plain digits.
bool isPlainComponent(std::wstring_view field) {
    const std::wstring trimmed = trimSpaces(field);
    return allOf(trimmed, isDigit) && readInteger(trimmed) <= 255;
}

bool hasUnusualComponents(std::wstring_view text) {
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(L',', start);
        if (!isPlainComponent(text.substr(start, comma == std::wstring_view::npos ? comma : comma - start)))
            return true;
        if (comma == std::wstring_view::npos) return false;
        start = comma + 1;
    }
}

std::wstring withoutHexPrefix(std::wstring_view text) {
    const std::wstring lower = lowerCase(text);
    if (lower.rfind(L"0x", 0) == 0) return std::wstring(text.substr(2));
    if (lower.rfind(L"$", 0) == 0 || lower.rfind(L"#", 0) == 0) return std::wstring(text.substr(1));
    return std::wstring(text);
}

} // namespace

ColorReading readColorText(std::wstring_view text) {
    ColorReading reading;
    reading.parsed = parseColor(text);
    std::wstring t = trimSpaces(text);
    if (t.empty()) return reading;
    if (t.front() == L'#') {
        reading.hash = true;
        t.erase(0, 1);
    }
    if (!reading.parsed.ok) {
        reading.form = ColorForm::Rejected;
    } else if (t.size() == 6 && allOf(t, isHexDigit)) {
        reading.form = ColorForm::HexDigits;
        reading.digitsOnly = allOf(t, isDigit);
    } else if (std::count(t.begin(), t.end(), L',') == 2) {
        reading.form = ColorForm::Components;
        reading.unusualComponents = hasUnusualComponents(t);
    } else if (allOf(t, isDigit)) {
        reading.form = ColorForm::PlainNumber;
    } else {
        reading.form = ColorForm::Name;
    }
    return reading;
}

bool looksLikeColorAttempt(std::wstring_view text) {
    const std::wstring t = lowerCase(trimSpaces(text));
    if (t.empty()) return false;
    if (t.front() == L'#' || t.front() == L'$' || t.rfind(L"0x", 0) == 0 || t.rfind(L"rgb", 0) == 0) return true;
    const bool numbersAndCommas = std::all_of(t.begin(), t.end(), [](wchar_t c) {
        return isDigit(c) || c == L',' || c == L' ' || c == L'.';
    });
    return numbersAndCommas && t.find(L',') != std::wstring::npos;
}

std::wstring colorHint(std::wstring_view text) {
    const std::wstring t = trimSpaces(text);
    const std::wstring digits = withoutHexPrefix(t);
    const bool prefixed = digits.size() != t.size();
    if (prefixed && allOf(digits, isHexDigit)) {
        if (digits.size() == 3)
            return std::wstring(L"the short form is not read: write #") + digits[0] + digits[0] + digits[1] +
                   digits[1] + digits[2] + digits[2];
        if (digits.size() == 8) return L"a skin colour has no transparency: write six digits, #" + digits.substr(0, 6);
        if (digits.size() == 6 && t.front() != L'#') return L"write #" + digits;
        if (digits.size() != 6) return L"write six hexadecimal digits, #RRGGBB";
    }
    const std::wstring lower = lowerCase(t);
    if (lower.rfind(L"rgb(", 0) == 0 && lower.back() == L')') return L"write the three numbers alone: " +
                                                                     t.substr(4, t.size() - 5);
    if (std::count(t.begin(), t.end(), L',') != 2 && t.find(L',') != std::wstring::npos)
        return L"write exactly three numbers: red,green,blue";
    return {};
}

} // namespace hueloom::skincheck
