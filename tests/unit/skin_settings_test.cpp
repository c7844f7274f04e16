// What a skin file gives Apply: mode, colours after palette and fallbacks, switches, the
// accent with its fallback, the name and the variables of "Objects".
#include <doctest.h>

#include <string>
#include <string_view>

#include "theme/ini_reader.h"
#include "theme/palette.h"
#include "theme/skin_settings.h"

using namespace hueloom;

namespace {

SkinSettings settingsOf(std::string_view bytes, std::wstring_view path = L"C:\\Skins\\my skin.v2.ini") {
    return readSkinSettings(IniDocument::parse(bytes, nullptr), path);
}

Color rgb(int r, int g, int b) { return makeColor(r, g, b); }

void checkPalette(const SkinSettings& s, Mode mode) {
    const Palette p = modePalette(mode);
    CHECK(s.controlBack == p.controlBack);
    CHECK(s.controlText == p.controlText);
    CHECK(s.pageBack == p.pageBack);
    CHECK(s.accent == p.accent);
}

} // namespace

TEST_CASE("the palettes: Dark, Light and the stock look") {
    const Palette dark = modePalette(Mode::Dark);
    CHECK(dark.controlBack == rgb(32, 32, 32));
    CHECK(dark.controlText == rgb(240, 240, 240));
    CHECK(dark.pageBack == rgb(24, 24, 24));
    CHECK(dark.accent == rgb(61, 100, 249));
    const Palette light = modePalette(Mode::Light);
    CHECK(light.controlBack == rgb(255, 255, 255));
    CHECK(light.controlText == rgb(0, 0, 0));
    CHECK(light.pageBack == rgb(240, 240, 240));
    CHECK(light.accent == 0xD77800);  // 0,120,215, not the load-time accent
    const Palette stock = modePalette(Mode::System);
    CHECK(stock.controlBack == rgb(255, 255, 255));
    CHECK(stock.pageBack == rgb(240, 240, 240));
}

TEST_CASE("a skin with only Mode=Light is the Light palette, named after its file") {
    const SkinSettings s = settingsOf("[Hueloom]\r\nMode=Light\r\n");
    CHECK(s.mode == Mode::Light);
    checkPalette(s, Mode::Light);
    CHECK_FALSE(s.titleBar.has_value());
    CHECK_FALSE(s.titleText.has_value());
    CHECK(s.glyphs);
    CHECK(s.articleText);
    CHECK(s.name == L"my skin.v2");
    CHECK(s.objects.empty());
}

TEST_CASE("Mode words: only light selects Light; system, default and none the stock look") {
    for (const char* word : {"2", "blue", "", "LIGHTER", "dark"}) {
        CAPTURE(word);
        CHECK(settingsOf(std::string("[Hueloom]\nMode=") + word + "\n").mode == Mode::Dark);
    }
    CHECK(settingsOf("[Hueloom]\nName=x\n").mode == Mode::Dark);
    CHECK(settingsOf("[Hueloom]\nMode= LIGHT \n").mode == Mode::Light);
    for (const char* word : {"System", "DEFAULT", "none"}) {
        CAPTURE(word);
        // The file's colours, switches and accent are not read on the System path.
        const SkinSettings s = settingsOf(std::string("[Hueloom]\nMode=") + word +
                                          "\nControlBack=#102030\nTitleBar=red\nGlyphs=Off\nAccent=red\n"
                                          "[Objects]\nTitle=Hello\n");
        CHECK(s.mode == Mode::System);
        checkPalette(s, Mode::System);
        CHECK_FALSE(s.titleBar.has_value());
        CHECK(s.glyphs);
        REQUIRE(s.objects.size() == 1);
        CHECK(s.objects[0].value == L"Hello");
    }
}

TEST_CASE("colour keys: empty and bad values keep the palette, title colours stay -1 unless given") {
    const SkinSettings s = settingsOf(
        "[Hueloom]\nControlBack=nonsense\nControlText=\nPageBack=#102030\nTitleBar=0,0,0\nTitleText=#12345G\n");
    CHECK(s.controlBack == rgb(32, 32, 32));
    CHECK(s.controlText == rgb(240, 240, 240));
    CHECK(s.pageBack == rgb(16, 32, 48));
    CHECK(s.titleBar == Color{0});  // black, not the system default
    CHECK_FALSE(s.titleText.has_value());

    const SkinSettings light = settingsOf("[hueloom]\nmode=light\ncontrolback=navy\nTITLETEXT=255\n");
    CHECK(light.controlBack == rgb(0, 0, 128));
    CHECK(light.controlText == rgb(0, 0, 0));
    CHECK(light.titleText == Color{255});
}

TEST_CASE("the accent: Accent, else AccentColor of Objects when Accent is absent or empty") {
    CHECK(settingsOf("[Hueloom]\nAccent=\n[Objects]\nAccentColor=#FF8000\n").accent == rgb(255, 128, 0));
    CHECK(settingsOf("[Hueloom]\nName=x\n[Objects]\nAccentColor=#FF8000\n").accent == rgb(255, 128, 0));
    CHECK(settingsOf("[Objects]\nAccentColor=#FF8000\n").accent == rgb(255, 128, 0));
    CHECK(settingsOf("[Hueloom]\nAccent=#010203\n[Objects]\nAccentColor=#FF8000\n").accent == rgb(1, 2, 3));
    // A bad Accent is not empty: the palette accent stays, AccentColor is not consulted.
    CHECK(settingsOf("[Hueloom]\nAccent=bad\n[Objects]\nAccentColor=#FF8000\n").accent == rgb(61, 100, 249));
    CHECK(settingsOf("[Hueloom]\nMode=Light\n[Objects]\nAccentColor=bad\n").accent == rgb(0, 120, 215));
    // A repeated AccentColor: the accent takes the first, as every keyed read does.
    CHECK(settingsOf("[Objects]\nAccentColor=red\nAccentColor=blue\n").accent == rgb(255, 0, 0));
}

TEST_CASE("switches: off, 0 and false in any letter case switch off; every other word is on") {
    const SkinSettings off = settingsOf("[Hueloom]\nGlyphs= FALSE \nArticleText=OFF\n");
    CHECK_FALSE(off.glyphs);
    CHECK_FALSE(off.articleText);
    const SkinSettings zero = settingsOf("[Hueloom]\nGlyphs=0\nArticleText=false\n");
    CHECK_FALSE(zero.glyphs);
    CHECK_FALSE(zero.articleText);
    const SkinSettings on = settingsOf("[Hueloom]\nGlyphs=no\nArticleText=\n");
    CHECK(on.glyphs);
    CHECK(on.articleText);
}

TEST_CASE("names: Name, an empty Name, and the file name without extension") {
    CHECK(settingsOf("[Hueloom]\nName= Deep Lagoon \n").name == L"Deep Lagoon");
    CHECK(settingsOf("[Hueloom]\nName=\n").name.empty());
    CHECK(settingsOf("[Hueloom]\n", L"skins/night.ini").name == L"night");
    CHECK(settingsOf("[Hueloom]\n", L".ini").name == L".ini");
    // A file without the section is a Dark skin named after the file.
    const SkinSettings bare = settingsOf("Mode=Light\n", L"D:\\a\\b\\Plain.INI");
    CHECK(bare.name == L"Plain");
    CHECK(bare.mode == Mode::Dark);
    checkPalette(bare, Mode::Dark);
}

TEST_CASE("a repeated key of Hueloom: the first one counts") {
    const SkinSettings s = settingsOf("[Hueloom]\nMode=Light\nControlBack=red\n[Hueloom]\nMode=Dark\ncontrolback=blue\n");
    CHECK(s.mode == Mode::Light);
    CHECK(s.controlBack == rgb(255, 0, 0));
}

TEST_CASE("the section Objects as variables, in file order, colours in R,G,B form") {
    const SkinSettings s = settingsOf(
        "[Hueloom]\nMode=Dark\n[Objects]\n; a comment\nTitle=Hello\nBorder=#102030\nWidth=200\n"
        "banner = Evening edition \nTitle=Again\nList=a,b,c\n");
    REQUIRE(s.objects.size() == 6);
    CHECK(s.objects[0].name == L"[Skin.Title]");
    CHECK(s.objects[0].value == L"Hello");
    CHECK(s.objects[0].line == 5);
    CHECK(s.objects[1].value == L"16,32,48");
    CHECK(s.objects[2].value == L"200,0,0");  // a plain number is a colour value
    CHECK(s.objects[3].name == L"[Skin.banner]");
    CHECK(s.objects[3].value == L"Evening edition");
    CHECK(s.objects[4].name == L"[Skin.Title]");  // set again, later wins
    CHECK(s.objects[4].value == L"Again");
    CHECK(s.objects[5].value == L"0,0,0");  // two commas always read as a colour
    CHECK(skinObjectVariables(IniDocument::parse("[Hueloom]\nName=x\n", nullptr)).empty());
}
