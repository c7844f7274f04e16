#include <doctest.h>

#include <cstdint>
#include <random>
#include <string>

#include "theme/ini_reader.h"
#include "theme/skin_rules.h"

using namespace hueloom;

namespace {

int ansiCalls = 0;

// Stands in for the system code page: counts calls and maps bytes as Latin-1.
std::wstring fakeAnsi(std::string_view bytes) {
    ++ansiCalls;
    std::wstring out;
    for (char b : bytes) out += static_cast<wchar_t>(static_cast<unsigned char>(b));
    return out;
}

IniDocument parse(std::string_view bytes) { return IniDocument::parse(bytes, fakeAnsi); }

std::wstring valueOf(const IniDocument& doc, std::wstring_view section, std::wstring_view key) {
    return doc.readOr(section, key, L"<absent>");
}

} // namespace

TEST_CASE("line ends, blanks, comments and sections") {
    const IniDocument doc = parse(
        "; leading comment\r\n"
        "\t [Hueloom]\r"
        "  Mode = Light \t\n"
        "\tName\t=\t My Skin\t\r\n"
        "   ; indented comment=1\n"
        "\n\r\n"
        "[Objects] trailing text ignored\n"
        "Title=a=b\n"
        "key;not a comment=1\n"
        "Last=no final line end");
    REQUIRE(doc.sections().size() == 2);
    CHECK(valueOf(doc, L"Hueloom", L"Mode") == L"Light");
    CHECK(valueOf(doc, L"Hueloom", L"Name") == L"My Skin");
    CHECK(valueOf(doc, L"Objects", L"Title") == L"a=b");
    CHECK(valueOf(doc, L"Objects", L"key;not a comment") == L"1");
    CHECK(valueOf(doc, L"Objects", L"Last") == L"no final line end");
    CHECK(doc.section(L"Hueloom")->entries.size() == 2);
    // CR LF is one line end, CR and LF alone one each.
    CHECK(doc.section(L"Hueloom")->line == 2);
    CHECK(doc.section(L"Hueloom")->entries[1].line == 4);
    CHECK(doc.section(L"Objects")->line == 8);
}

TEST_CASE("names match in any case; absent gives the default, empty gives empty") {
    const IniDocument doc = parse("[HUELOOM]\nControlBack=\nAccent\nGlyphs =  \n");
    CHECK(doc.section(L"hueloom") != nullptr);
    CHECK(valueOf(doc, L"Hueloom", L"controlback").empty());
    CHECK(valueOf(doc, L"Hueloom", L"ACCENT").empty());   // a key without "="
    CHECK(valueOf(doc, L"Hueloom", L"Glyphs").empty());
    CHECK(valueOf(doc, L"Hueloom", L"PageBack") == L"<absent>");
    CHECK(valueOf(doc, L"Missing", L"ControlBack") == L"<absent>");
    CHECK_FALSE(doc.read(L"Hueloom", L"PageBack").has_value());
    CHECK(doc.read(L"Hueloom", L"ControlBack").has_value());
    CHECK(doc.section(L"Missing") == nullptr);
    CHECK(doc.section(L"Hueloo") == nullptr);
}

TEST_CASE("entries before the first section belong to none") {
    const IniDocument doc = parse("Mode=Light\nName=x\n[Hueloom]\nName=y\n");
    CHECK(doc.entriesOutsideSections() == 2);
    CHECK(valueOf(doc, L"Hueloom", L"Mode") == L"<absent>");
    CHECK(valueOf(doc, L"Hueloom", L"Name") == L"y");
    CHECK(valueOf(doc, L"", L"Mode") == L"<absent>");
}

TEST_CASE("sections without ']' and odd section lines") {
    const IniDocument doc = parse("[Hueloom\nMode=Light\n[\nA=1\n[]\nB=2\n[x]y]\nC=3\n");
    CHECK(valueOf(doc, L"Hueloom", L"Mode") == L"Light");
    CHECK(valueOf(doc, L"", L"A") == L"1");  // "[" and "[]" both open the section ""
    CHECK(valueOf(doc, L"", L"B") == L"2");
    CHECK(valueOf(doc, L"x", L"C") == L"3");
    CHECK(doc.sections().size() == 3);
}

TEST_CASE("duplicate keys and repeated sections") {
    const IniDocument doc = parse(
        "[Objects]\nBorder=red\n[Hueloom]\nMode=Light\n[objects]\nborder=blue\nTitle=x\n[Hueloom]\nMode=Dark\n");
    REQUIRE(doc.sections().size() == 2);
    const IniSection* objects = doc.section(L"OBJECTS");
    REQUIRE(objects != nullptr);
    CHECK(objects->name == L"Objects");  // letter case of the first occurrence
    // Enumeration keeps file order, so an exporter that walks the entries ends with the
    // later value; a keyed read gives the first.
    REQUIRE(objects->entries.size() == 3);
    CHECK(objects->entries[0].key == L"Border");
    CHECK(objects->entries[1].key == L"border");
    CHECK(objects->entries[1].value == L"blue");
    CHECK(valueOf(doc, L"Objects", L"Border") == L"red");
    CHECK(valueOf(doc, L"Hueloom", L"Mode") == L"Light");
}

TEST_CASE("code page: the byte-order mark selects UTF-8, otherwise the ANSI decoder") {
    ansiCalls = 0;
    const IniDocument utf8 = parse("\xEF\xBB\xBF[Hueloom]\nName=Gr\xC3\xBCn \xE2\x82\xAC\n");
    CHECK(ansiCalls == 0);
    CHECK(valueOf(utf8, L"Hueloom", L"Name") == L"Gr\u00FCn \u20AC");

    const IniDocument ansi = parse("[Hueloom]\nName=Gr\xC3\xBCn\n");
    CHECK(ansiCalls == 1);
    CHECK(valueOf(ansi, L"Hueloom", L"Name") == L"Gr\u00C3\u00BCn");

    CHECK(parse("\xEF\xBB\xBF").sections().empty());
    CHECK(parse("").sections().empty());
    CHECK(parse("\xEF\xBB").sections().empty());  // a partial mark is ANSI text

    // Without a decoder the bytes are taken as Latin-1.
    const IniDocument plain = IniDocument::parse("[H]\nN=\xE9\n", nullptr);
    CHECK(valueOf(plain, L"H", L"N") == L"\u00E9");
}

TEST_CASE("invalid UTF-8 after the mark becomes U+FFFD and parsing goes on") {
    const IniDocument doc = parse("\xEF\xBB\xBF[Hueloom]\nName=a\xFF\xC3(b\nMode=Light\n");
    CHECK(valueOf(doc, L"Hueloom", L"Name") == L"a\uFFFD\uFFFD(b");
    CHECK(valueOf(doc, L"Hueloom", L"Mode") == L"Light");
}

TEST_CASE("decodeUtf8 replaces every malformed sequence") {
    CHECK(decodeUtf8("A\xC3\xA9\xE2\x82\xAC") == L"A\u00E9\u20AC");
    CHECK(decodeUtf8("\xC0\x80") == L"\uFFFD\uFFFD");        // overlong NUL
    CHECK(decodeUtf8("\xE0\x80\x80") == L"\uFFFD\uFFFD\uFFFD");
    CHECK(decodeUtf8("\xED\xA0\x80") == L"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
    CHECK(decodeUtf8("\xF4\x90\x80\x80") == L"\uFFFD\uFFFD\uFFFD\uFFFD");  // above U+10FFFF
    CHECK(decodeUtf8("\x80x") == L"\uFFFDx");
    CHECK(decodeUtf8("\xE2\x82") == L"\uFFFD");               // cut short at the end
    CHECK(decodeUtf8("\xE2\x82x") == L"\uFFFDx");
    CHECK(decodeUtf8("\xF8\x88\x80\x80\x80").size() == 5);
    CHECK(decodeUtf8(std::string_view("a\0b", 3)) == std::wstring(L"a\0b", 3));
    const std::wstring emoji = decodeUtf8("\xF0\x9F\x98\x80");
    if constexpr (sizeof(wchar_t) == 2) CHECK(emoji == std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)});
    else CHECK(emoji == std::wstring(1, static_cast<wchar_t>(0x1F600)));
}

TEST_CASE("binary garbage of every byte value parses without fault") {
    std::mt19937 random(20240611);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(static_cast<size_t>(random() % 20000), '\0');
        for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
        if (round % 2) bytes.insert(0, "\xEF\xBB\xBF");
        const IniDocument doc = parse(bytes);
        for (const IniSection& section : doc.sections())
            for (const IniEntry& entry : section.entries) {
                CHECK(entry.key.find_first_of(L"\r\n") == std::wstring::npos);
                CHECK(entry.value.find_first_of(L"\r\n") == std::wstring::npos);
            }
    }
}

TEST_CASE("large inputs: a 1 MB line, a 10 MB file, many sections") {
    const std::string longValue(1 << 20, 'x');
    const IniDocument line = parse("[Hueloom]\nName=" + longValue);
    CHECK(valueOf(line, L"Hueloom", L"Name").size() == longValue.size());
    const IniDocument noBreak = parse(std::string(1 << 20, '['));
    CHECK(noBreak.sections().size() == 1);

    std::string big;
    big.reserve(10u << 20);
    big += "[Hueloom]\nMode=Light\n[Objects]\n";
    for (int i = 0; big.size() < (10u << 20); ++i)
        big += "Key" + std::to_string(i % 1000) + " = value value value value value\r\n";
    const IniDocument file = parse(big);
    CHECK(valueOf(file, L"Hueloom", L"Mode") == L"Light");
    CHECK(file.section(L"Objects")->entries.size() > 200000);

    // Distinct sections are merged through an index, not by searching the list.
    std::string sections;
    for (int i = 0; i < 200000; ++i) sections += "[S" + std::to_string(i) + "]\nk=v\n";
    sections += "[S0]\nlate=1\n";
    const IniDocument many = parse(sections);
    CHECK(many.sections().size() == 200000);
    CHECK(valueOf(many, L"s0", L"late") == L"1");
}

TEST_CASE("skin name from the path when the file gives none") {
    CHECK(skinNameFromPath(L"C:\\Pub\\Skins\\midnight.ini") == L"midnight");
    CHECK(skinNameFromPath(L"skins/paper.v2.ini") == L"paper.v2");
    CHECK(skinNameFromPath(L"a/b\\c.ini") == L"c");
    CHECK(skinNameFromPath(L"C:\\dir.v2\\noext") == L"noext");
    CHECK(skinNameFromPath(L".ini") == L".ini");          // the dot starts the name
    CHECK(skinNameFromPath(L"skin.") == L"skin.");        // nothing after the dot
    CHECK(skinNameFromPath(L"my.own skin") == L"my.own skin");  // a space after the dot
    CHECK(skinNameFromPath(L"dir\\") == L"");
    CHECK(skinNameFromPath(L"") == L"");
}
