#include <doctest.h>

#include <cmath>
#include <limits>
#include <string>

#include "theme/color.h"

using namespace hueloom;

namespace {

Color rgb(int r, int g, int b) { return makeColor(r, g, b); }

// The colour of an accepted text; fails the check when the text is rejected.
Color accepted(const wchar_t* text) {
    const ParsedColor parsed = parseColor(text);
    CHECK_MESSAGE(parsed.ok, "rejected: ", std::string(text, text + std::wcslen(text)).c_str());
    return parsed.color;
}

bool rejected(std::wstring_view text) {
    const ParsedColor parsed = parseColor(text);
    return !parsed.ok && parsed.color == 0;
}

} // namespace

TEST_CASE("blank and unrecognised colour texts are rejected with colour 0") {
    CHECK(rejected(L""));
    CHECK(rejected(L"   "));
    CHECK(rejected(L"#"));
    CHECK(rejected(L"nonsense"));
    CHECK(rejected(L"0xFF0000"));
    CHECK(rejected(L"$FF0000"));
    CHECK(rejected(L"1,2,3,4"));  // three commas
    CHECK(rejected(L"1,2"));      // one comma
    CHECK(rejected(L"\tred"));    // tabs are not trimmed
    CHECK(rejected(L"red\t"));
    CHECK(rejected(L"#12345G"));  // six characters, not all hexadecimal, not a number
    CHECK(rejected(L"-5"));
}

TEST_CASE("six hexadecimal digits come before the plain-number rule") {
    CHECK(accepted(L" #ff8000 ") == 0x0080FF);
    CHECK(accepted(L"#3D64F9") == rgb(61, 100, 249));
    CHECK(accepted(L"123456") == rgb(0x12, 0x34, 0x56));
    CHECK(accepted(L"aBcDeF") == rgb(0xAB, 0xCD, 0xEF));
    CHECK(accepted(L"12345") == 12345u);   // five digits: the colour value itself
    CHECK(accepted(L"#123") == rgb(123, 0, 0));
    CHECK(accepted(L"255") == rgb(255, 0, 0));
    CHECK(accepted(L"65280") == rgb(0, 255, 0));
    CHECK(accepted(L"16711680") == rgb(0, 0, 255));
    CHECK(accepted(L"16777217") == 1u);  // only the low 24 bits count
    CHECK(accepted(L"99999999999999999999999999") == 0xFFFFFFu);  // saturates, no overflow
}

TEST_CASE("R,G,B: exactly two commas, components clamped, anything else reads as 0") {
    CHECK(accepted(L"300,-5, 7") == rgb(255, 0, 7));
    CHECK(accepted(L"abc,def,ghi") == rgb(0, 0, 0));
    CHECK(accepted(L",,") == rgb(0, 0, 0));
    CHECK(accepted(L"1.9,2,3") == rgb(1, 2, 3));
    CHECK(accepted(L"\t10 , 20 ,\t30") == rgb(10, 20, 30));
    CHECK(accepted(L"$FF,%101,0") == rgb(255, 5, 0));
    // Beyond 32 bits a component clamps instead of wrapping to an unrelated value.
    CHECK(accepted(L"4294967296,0,99999999999999999999") == rgb(255, 0, 255));
    CHECK(accepted(L"-4294967296,1,1") == rgb(0, 1, 1));
}

TEST_CASE("colour names in any letter case") {
    CHECK(accepted(L"ORANGE") == rgb(255, 165, 0));
    CHECK(accepted(L"Orange") == rgb(255, 165, 0));
    CHECK(accepted(L" grey ") == accepted(L"gray"));
    CHECK(accepted(L"Green") == rgb(0, 128, 0));
    CHECK(accepted(L"lime") == rgb(0, 255, 0));
    CHECK(accepted(L"Navy") == rgb(0, 0, 128));
    CHECK(rejected(L"re d"));
    CHECK(rejected(L"cyan"));
}

TEST_CASE("formatColor writes R,G,B red first without padding") {
    CHECK(formatColor(rgb(61, 100, 249)) == L"61,100,249");
    CHECK(formatColor(rgb(255, 255, 255)) == L"255,255,255");
    CHECK(formatColor(0) == L"0,0,0");
    CHECK(formatColor(0xFF000000u | rgb(1, 2, 3)) == L"1,2,3");  // top byte ignored
    CHECK(formatColor(accepted(L"#102030")) == L"16,32,48");
}

TEST_CASE("makeColor clamps every channel") {
    CHECK(makeColor(-1, 256, 128) == 0x80FF00u);
    CHECK(makeColor(INT32_MIN, INT32_MAX, 0) == 0x00FF00u);
}

TEST_CASE("brightness threshold and contrast shades") {
    CHECK(colorBrightness(rgb(128, 128, 128)) == 128000);
    CHECK_FALSE(isDarkColor(rgb(128, 128, 128)));
    CHECK(colorBrightness(rgb(127, 128, 128)) == 127701);
    CHECK(isDarkColor(rgb(127, 128, 128)));
    CHECK(colorBrightness(rgb(255, 255, 255)) == 255000);

    CHECK(contrastShade(rgb(128, 128, 128)) == rgb(83, 83, 83));
    CHECK(contrastShade(rgb(32, 32, 32)) == rgb(110, 110, 110));
    CHECK(contrastShade(rgb(240, 240, 240)) == rgb(156, 156, 156));
    CHECK(contrastShade(rgb(61, 100, 249)) == rgb(128, 154, 251));
    CHECK(contrastShade(rgb(0, 0, 0)) == rgb(89, 89, 89));
    CHECK(contrastShade(rgb(255, 255, 255)) == rgb(165, 165, 165));
}

TEST_CASE("blendColors truncates and clamps outside 0..100") {
    CHECK(blendColors(rgb(61, 100, 249), rgb(255, 255, 255), 25) == rgb(109, 138, 250));
    CHECK(blendColors(rgb(10, 20, 30), rgb(200, 100, 0), 0) == rgb(10, 20, 30));
    CHECK(blendColors(rgb(10, 20, 30), rgb(200, 100, 0), 100) == rgb(200, 100, 0));
    CHECK(blendColors(rgb(10, 20, 30), rgb(200, 100, 0), 200) == rgb(255, 180, 0));
    CHECK(blendColors(rgb(10, 20, 30), rgb(200, 100, 0), -100) == rgb(0, 0, 60));
    CHECK(blendColors(rgb(255, 0, 255), rgb(0, 255, 0), INT32_MAX) == rgb(0, 255, 0));
    CHECK(blendColors(rgb(255, 0, 255), rgb(0, 255, 0), INT32_MIN) == rgb(255, 0, 255));
}

TEST_CASE("readInteger: bases, signs, stop characters and saturation") {
    CHECK(readInteger(L"") == 0);
    CHECK(readInteger(L"-") == 0);
    CHECK(readInteger(L"abc") == 0);
    CHECK(readInteger(L" \t 42xyz") == 42);
    CHECK(readInteger(L"+17") == 17);
    CHECK(readInteger(L"-17") == -17);
    CHECK(readInteger(L"$ff") == 255);
    CHECK(readInteger(L"-$10") == -16);
    CHECK(readInteger(L"$fG") == 15);
    CHECK(readInteger(L"%1012") == 5);
    CHECK(readInteger(L"12.9") == 12);
    CHECK(readInteger(L"- 5") == 0);
    CHECK(readInteger(L"9223372036854775807") == INT64_MAX);
    CHECK(readInteger(L"9223372036854775808") == INT64_MAX);
    CHECK(readInteger(L"-9223372036854775808") == INT64_MIN);
    CHECK(readInteger(L"-9223372036854775809") == INT64_MIN);
    CHECK(readInteger(std::wstring(5000, L'9')) == INT64_MAX);
    CHECK(readInteger(L"$" + std::wstring(40, L'F')) == INT64_MAX);
    CHECK(readInteger(L"%" + std::wstring(64, L'1')) == INT64_MAX);
    CHECK(readInteger(L"%" + std::wstring(63, L'1')) == INT64_MAX);
}

TEST_CASE("readReal: locale-independent decimals, whole-text infinities and NaN") {
    CHECK(readReal(L"1.5") == 1.5);
    CHECK(readReal(L"  -2.25kg") == -2.25);
    CHECK(readReal(L"+.5") == 0.5);
    CHECK(readReal(L"7.") == 7.0);
    CHECK(readReal(L"1,5") == 1.0);  // the comma is never a decimal point
    CHECK(readReal(L"1e3") == 1000.0);
    CHECK(readReal(L"2.5E-2") == 0.025);
    CHECK(readReal(L"1e") == 1.0);
    CHECK(readReal(L"1e+") == 1.0);
    CHECK(readReal(L"1e 5") == 1.0);
    CHECK(readReal(L"0.1") == 0.1);
    CHECK(readReal(L"000123.4500") == 123.45);
    CHECK(readReal(L"") == 0.0);
    CHECK(readReal(L".") == 0.0);
    CHECK(readReal(L"-") == 0.0);
    CHECK(readReal(L"abc") == 0.0);

    CHECK(readReal(L"+Infinity") == std::numeric_limits<double>::infinity());
    CHECK(readReal(L"-INFINITY") == -std::numeric_limits<double>::infinity());
    CHECK(std::isnan(readReal(L"nan")));
    CHECK(std::isnan(readReal(L"NaN")));
    CHECK(readReal(L"Infinity") == 0.0);   // only the three whole texts
    CHECK(readReal(L"+Infinity ") == 0.0);
    CHECK(readReal(L"nan1") == 0.0);
}

TEST_CASE("readReal: extreme magnitudes and long digit strings") {
    CHECK(readReal(L"1e400") == std::numeric_limits<double>::infinity());
    CHECK(readReal(L"-1e400") == -std::numeric_limits<double>::infinity());
    CHECK(readReal(L"1e-400") == 0.0);
    CHECK(readReal(L"1e99999999999999999999999") == std::numeric_limits<double>::infinity());
    CHECK(readReal(L"1e-99999999999999999999999") == 0.0);
    CHECK(readReal(std::wstring(400, L'9')) == std::numeric_limits<double>::infinity());
    CHECK(readReal(L"0." + std::wstring(100000, L'0') + L"5e100001") == 5.0);
    CHECK(readReal(std::wstring(1000, L'1') + L"e-999") == doctest::Approx(1.1111111111111111));
    // Exactly halfway between 1 and the next double rounds to even; a non-zero digit
    // far behind the halfway point still decides the rounding.
    const std::wstring halfway = L"1.00000000000000011102230246251565404236316680908203125";
    CHECK(readReal(halfway) == 1.0);
    CHECK(readReal(halfway + std::wstring(1000, L'0') + L"1") == std::nextafter(1.0, 2.0));
    CHECK(readReal(L"0.30000000000000004") == 0.30000000000000004);
}
