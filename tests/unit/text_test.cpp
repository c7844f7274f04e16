#include <doctest.h>

#include "common/text.h"

using namespace hueloom;

TEST_CASE("trimming removes spaces only, never tabs") {
    CHECK(trimSpaces(L"  dark  ") == L"dark");
    CHECK(trimSpaces(L"\tdark ") == L"\tdark");
    CHECK(trimSpaces(L"    ").empty());
    CHECK(trimSpaces(L"").empty());
}

TEST_CASE("word normalisation and on/off switches") {
    CHECK(normalizedWord(L"  DaRk ") == L"dark");
    CHECK(isOffWord(L" OFF "));
    CHECK(isOffWord(L"0"));
    CHECK(isOffWord(L"False"));
    CHECK_FALSE(isOffWord(L"no"));
    CHECK_FALSE(isOffWord(L""));
    CHECK_FALSE(isOffWord(L"\toff"));
}

TEST_CASE("case folding beyond ASCII is locale independent") {
    CHECK(lowerCase(L"\u00C4RGER") == L"\u00E4rger");
    CHECK(lowerCase(L"\u0416") == L"\u0436");
    CHECK(lowerCase(L"\u00D7") == L"\u00D7");  // the multiplication sign has no small form
    CHECK(equalsIgnoreCase(L"HUELOOM", L"hueloom"));
    CHECK_FALSE(equalsIgnoreCase(L"hueloom", L"hueloo"));
}

TEST_CASE("decimal text covers the whole 64-bit range") {
    CHECK(decimalText(0) == L"0");
    CHECK(decimalText(-17134) == L"-17134");
    CHECK(decimalText(INT64_MIN) == L"-9223372036854775808");
    CHECK(decimalText(INT64_MAX) == L"9223372036854775807");
}
