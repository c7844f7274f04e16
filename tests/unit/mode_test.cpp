#include <doctest.h>

#include <string>

#include "theme/mode.h"

using namespace hueloom;

namespace {

Mode skinMode(const wchar_t* word) { return readModeWord(word, ModeWords::Skin).value(); }

} // namespace

TEST_CASE("Mode words of a skin: only light selects Light") {
    CHECK(skinMode(L" System ") == Mode::System);
    CHECK(skinMode(L"DEFAULT") == Mode::System);
    CHECK(skinMode(L"none") == Mode::System);
    CHECK(skinMode(L"0") == Mode::Dark);
    CHECK(skinMode(L"Light") == Mode::Light);
    CHECK(skinMode(L"2") == Mode::Dark);
    CHECK(skinMode(L"\tlight") == Mode::Dark);
    CHECK(skinMode(L"") == Mode::Dark);
    CHECK(skinMode(L"dusk") == Mode::Dark);
}

TEST_CASE("Mode words of a script: numbers, System's synonyms, and words that name no mode") {
    const auto word = [](const wchar_t* text) { return readModeWord(text, ModeWords::Script); };
    CHECK(word(L" DARK ") == Mode::Dark);
    CHECK(word(L"1") == Mode::Dark);
    CHECK(word(L"Light") == Mode::Light);
    CHECK(word(L"2") == Mode::Light);
    for (const wchar_t* system : {L"system", L"Default", L"NONE", L"0", L"", L"   "}) {
        CAPTURE(system);
        CHECK(word(system) == Mode::System);
    }
    CHECK_FALSE(word(L"dusk").has_value());
    CHECK_FALSE(word(L"\tdark").has_value());  // tabs are not trimmed
    CHECK_FALSE(word(L"3").has_value());
}

TEST_CASE("mode names are what [Skin.Mode] shows and the mode editor writes back") {
    CHECK(std::wstring(modeName(Mode::Dark)) == L"Dark");
    CHECK(std::wstring(modeName(Mode::Light)) == L"Light");
    CHECK(std::wstring(modeName(Mode::System)) == L"System");
    for (Mode mode : {Mode::Dark, Mode::Light, Mode::System})
        CHECK(readModeWord(modeName(mode), ModeWords::Script) == mode);
}

TEST_CASE("Auto is a script word of its own, trimmed and in any case; skins keep their rule") {
    for (const wchar_t* word : {L"auto", L" AUTO ", L"Auto"}) {
        CAPTURE(word);
        CHECK(isAutoModeWord(word));
        CHECK_FALSE(readModeWord(word, ModeWords::Script).has_value());  // no base mode
    }
    for (const wchar_t* word : {L"\tauto", L"automatic", L"", L"dark", L"au to"}) {
        CAPTURE(word);
        CHECK_FALSE(isAutoModeWord(word));
    }
    CHECK(isAutoModeWord(kAutoModeName));
    CHECK(skinMode(L"Auto") == Mode::Dark);
}
