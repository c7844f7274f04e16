// The skin checker: contrast arithmetic, each kind of finding with its line, the theme
// and variables a file gives, exit codes, JSON text and the text conversions.
#include <doctest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "paint/paint_colors.h"
#include "skin_check/command_line.h"
#include "skin_check/contrast.h"
#include "skin_check/json_writer.h"
#include "skin_check/key_checks.h"
#include "skin_check/report_output.h"
#include "skin_check/skin_report.h"
#include "skin_check/unicode_text.h"

using namespace hueloom;
using namespace hueloom::skincheck;

namespace {

Color rgb(int r, int g, int b) { return makeColor(r, g, b); }

SkinReport check(std::string_view bytes) { return checkSkin(bytes, L"skins/test.ini", decodeWindows1252); }

// The findings on one line, as "severity: message" texts.
std::vector<std::string> findingsAt(const SkinReport& report, int line) {
    std::vector<std::string> found;
    for (const Finding& f : report.findings)
        if (f.line == line) found.push_back(std::string(severityName(f.severity)) + ": " + toUtf8(f.message));
    return found;
}

// The one finding on a line; fails the test when there is none or more than one.
std::string findingAt(const SkinReport& report, int line) {
    const std::vector<std::string> found = findingsAt(report, line);
    CAPTURE(line);
    REQUIRE(found.size() == 1);
    return found.front();
}

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

const ContrastCheck& contrastOf(const SkinReport& report, std::string_view id) {
    for (const ContrastCheck& c : report.contrasts)
        if (id == c.id) return c;
    FAIL("no contrast check " << id);
    return report.contrasts.front();
}

struct RunResult {
    int code;
    std::string out, err;
};

RunResult run(const std::vector<std::string>& args) {
    std::vector<CommandArgument> arguments;
    for (const std::string& a : args) arguments.push_back({decodeUtf8(a), std::filesystem::path(a)});
    std::ostringstream out, err;
    const int code = runSkinCheck(arguments, out, err);
    return {code, out.str(), err.str()};
}

} // namespace

TEST_CASE("contrast ratios follow WCAG 2") {
    CHECK(relativeLuminance(rgb(0, 0, 0)) == 0.0);
    CHECK(relativeLuminance(rgb(255, 255, 255)) == doctest::Approx(1.0));
    CHECK(contrastRatio(rgb(0, 0, 0), rgb(255, 255, 255)) == doctest::Approx(21.0));
    CHECK(contrastRatio(rgb(255, 255, 255), rgb(0, 0, 0)) == doctest::Approx(21.0));
    CHECK(contrastRatio(rgb(61, 100, 249), rgb(61, 100, 249)) == doctest::Approx(1.0));
    // #777 on white is the well-known near miss of 4.5:1.
    CHECK(contrastRatio(rgb(0x77, 0x77, 0x77), rgb(255, 255, 255)) == doctest::Approx(4.478).epsilon(0.001));
    // A channel at or below 0.04045 is linear: 10/255 gives 0.00304.
    CHECK(relativeLuminance(rgb(10, 10, 10)) == doctest::Approx(0.0030353).epsilon(0.001));
    // Green weighs most: pure green on black beats pure blue on black by far.
    CHECK(contrastRatio(rgb(0, 255, 0), rgb(0, 0, 0)) == doctest::Approx(15.3).epsilon(0.001));
    CHECK(contrastRatio(rgb(0, 0, 255), rgb(0, 0, 0)) == doctest::Approx(2.444).epsilon(0.001));
}

TEST_CASE("contrast thresholds and the ratio text never rounded across them") {
    CHECK(contrastSeverity(2.999) == Severity::Error);
    CHECK(contrastSeverity(3.0) == Severity::Warning);
    CHECK(contrastSeverity(4.4999) == Severity::Warning);
    CHECK(contrastSeverity(4.5) == Severity::Ok);
    CHECK(ratioText(4.478) == "4.48");
    CHECK(ratioText(4.4999) == "4.49");
    CHECK(ratioText(2.9951) == "2.99");
    CHECK(ratioText(4.5) == "4.50");
    CHECK(ratioText(21.0) == "21.00");
}

TEST_CASE("the check mark: white on a face below brightness 140000, else 32,32,32") {
    CHECK(checkMarkColor(rgb(139, 139, 139)) == rgb(255, 255, 255));  // 139000
    CHECK(checkMarkColor(rgb(140, 140, 140)) == rgb(32, 32, 32));     // exactly 140000
    CHECK(checkMarkColor(rgb(135, 135, 135)) == rgb(255, 255, 255));  // light for contrastShade, not here
    CHECK(checkMarkColor(rgb(61, 100, 249)) == rgb(255, 255, 255));
    CHECK(checkMarkColor(rgb(255, 255, 0)) == rgb(32, 32, 32));
}

TEST_CASE("findings in the section Hueloom, each with its line") {
    const SkinReport r = check(
        "Mode=Light\n"               // 1: before any section
        "[Hueloom]\n"                // 2
        "Mode=blue\n"                // 3: silently Dark
        "ControlBack=nonsense\n"     // 4: not a colour
        "ControlText=\n"             // 5: empty
        "PageBack=#123\n"            // 6: short form misread
        "TitleBar=0xFF0000\n"        // 7: not a colour, with a hint
        "TitleText=255\n"            // 8: plain number, note
        "Glyphs=maybe\n"             // 9: not a switch word
        "ArticleText=yes\n"          // 10: a switch word
        "ControlBak=#111111\n"       // 11: unknown, near ControlBack
        "PageColor=#222222\n"        // 12: unknown, the variable's name
        "Mode=Light\n"               // 13: repeated, the first counts
        "Accent=1,x,300\n"           // 14: odd fields
        "[Extra]\nA=1\n");           // 15: a section Apply does not read
    CHECK(findingAt(r, 1) == "warning: 'Mode' stands before any section and is ignored (it belongs in [Hueloom] or [Objects])");
    CHECK(contains(findingAt(r, 3), "warning: Mode 'blue' is not a mode word: Apply uses Dark"));
    CHECK(findingAt(r, 4) == "warning: ControlBack 'nonsense' is not a colour: the Dark palette's 32,32,32 stays");
    CHECK(findingAt(r, 5) == "warning: ControlText is empty: the Dark palette's 240,240,240 stays");
    CHECK(contains(findingAt(r, 6), "warning: PageBack '#123' is read as a plain number, which gives 123,0,0"));
    CHECK(contains(findingAt(r, 6), "write #112233"));
    CHECK(contains(findingAt(r, 7), "warning: TitleBar '0xFF0000' is not a colour: the system's caption colour stays (write #FF0000)"));
    CHECK(contains(findingAt(r, 8), "info: TitleText '255' is a plain number, taken as the colour value itself: 255,0,0"));
    CHECK(contains(findingAt(r, 9), "warning: Glyphs 'maybe' is not a switch word: Apply reads it as On"));
    CHECK(findingsAt(r, 10).empty());
    CHECK(contains(findingAt(r, 11), "Unknown key 'ControlBak' is ignored: did you mean 'ControlBack'?"));
    CHECK(contains(findingAt(r, 12), "the key is 'PageBack'"));
    CHECK(contains(findingAt(r, 13), "'Mode' is given again: Apply reads only the first, on line 3"));
    CHECK(contains(findingAt(r, 14), "warning: Accent '1,x,300' reads as 1,0,255"));
    CHECK(contains(findingAt(r, 15), "warning: Section [Extra] is not read by Apply: its entry is ignored"));
    CHECK(r.findings.size() == 13);
}

TEST_CASE("mode and switch words that are fine raise nothing") {
    for (const char* mode : {"Dark", " light ", "NONE", "Default", "system"}) {
        for (const char* glyphs : {"On", "off", "1", "0", "TRUE", "False", "yes", "No"}) {
            CAPTURE(mode);
            CAPTURE(glyphs);
            const SkinReport r = check(std::string("[Hueloom]\nMode=") + mode + "\nGlyphs=" + glyphs + "\n");
            CHECK(r.findings.size() == (std::string_view(mode) == "Dark" || std::string_view(mode) == " light " ? 0u : 1u));
        }
    }
    // Words that silently mean Dark, and an empty one.
    CHECK(contains(findingAt(check("[Hueloom]\nMode=2\n"), 2), "Mode '2' is not a mode word"));
    CHECK(contains(findingAt(check("[Hueloom]\nMode=\n"), 2), "Mode is empty: Apply uses Dark"));
    CHECK(contains(findingAt(check("[Hueloom]\nMode=auto\n"), 2),
                   "Mode 'auto' is not a mode word of skins: Apply uses Dark (to follow Windows, call Hueloom_SetMode \"Auto\")"));
    CHECK(contains(findingAt(check("[Hueloom]\nArticleText=\n"), 2), "ArticleText is empty: Apply reads it as On"));
}

TEST_CASE("the accent and its stand-in AccentColor") {
    SUBCASE("an empty Accent with AccentColor is a note, not a warning") {
        const SkinReport r = check("[Hueloom]\nAccent=\n[Objects]\nAccentColor=#FF8000\n");
        CHECK(findingAt(r, 2) == "info: Accent is empty: the accent comes from AccentColor of [Objects], line 4");
        CHECK(findingsAt(r, 4).empty());
        CHECK(r.settings.accent == rgb(255, 128, 0));
    }
    SUBCASE("a bad Accent does not fall back to AccentColor, and the warning says so") {
        const SkinReport r = check("[Hueloom]\nAccent=bad\n[Objects]\nAccentColor=#FF8000\n");
        CHECK(contains(findingAt(r, 2), "the Dark palette's 61,100,249 stays"));
        CHECK(contains(findingAt(r, 2), "stands in only for a missing or empty Accent"));
    }
    SUBCASE("a bad AccentColor standing in for the accent") {
        const SkinReport r = check("[Hueloom]\nMode=Light\n[Objects]\nAccentColor=orang\n");
        const std::vector<std::string> at4 = findingsAt(r, 4);
        REQUIRE(at4.size() == 2);
        CHECK(contains(at4[0], "info: AccentColor is also the accent"));
        CHECK(contains(at4[1], "warning: AccentColor 'orang' is not a colour: the Light palette's 0,120,215 stays"));
    }
    SUBCASE("an empty Accent without AccentColor") {
        CHECK(contains(findingAt(check("[Hueloom]\nAccent=\n"), 2), "warning: Accent is empty: the Dark palette's 61,100,249 stays"));
    }
    SUBCASE("a repeated AccentColor: the variable gets the later, the accent the first") {
        const SkinReport r = check("[Hueloom]\nName=x\n[Objects]\nAccentColor=red\nAccentColor=blue\n");
        CHECK(contains(findingAt(r, 5), "is set twice and this value wins over line 4; the accent takes the first"));
        CHECK(r.settings.accent == rgb(255, 0, 0));
    }
}

TEST_CASE("findings in the section Objects and on the file as a whole") {
    const SkinReport r = check(
        "[Objects]\n"                      // 1
        "Title=Smith, Jones, Brown\n"      // 2: two commas make a colour
        "Width=200\n"                      // 3: a plain number is a colour
        "Count=123456\n"                   // 4: six digits are hexadecimal
        "Link=#12G456\n"                   // 5: looks like a colour, is not
        "Mode=Light\n"                     // 6: the plug-in's own variable
        "Title=Other\n"                    // 7: repeated, later wins
        "Banner=Evening edition\n"         // 8: plain text, fine
        "=5\n");                           // 9: no key
    CHECK(contains(findingAt(r, 0), "There is no section [Hueloom]: Apply gives a Dark skin in the Dark palette, named 'test'"));
    CHECK(contains(findingAt(r, 2), "warning: 'Smith, Jones, Brown' has exactly two commas, so Apply reads it as a colour: [Skin.Title] becomes 0,0,0"));
    CHECK(contains(findingAt(r, 3), "warning: '200' is a plain number, which Apply reads as a colour value: [Skin.Width] becomes 200,0,0"));
    CHECK(contains(findingAt(r, 4), "info: Six digits are read as a hexadecimal colour: [Skin.Count] becomes 18,52,86"));
    CHECK(contains(findingAt(r, 5), "info: '#12G456' looks like a colour but is not one"));
    CHECK(contains(findingAt(r, 6), "warning: [Skin.Mode] is a variable of the plug-in's own: Apply writes the theme's own value over it"));
    CHECK(contains(findingAt(r, 7), "warning: 'Title' is given again: [Skin.Title] is set twice and this value wins over line 2"));
    CHECK(findingsAt(r, 8).empty());
    CHECK(contains(findingAt(r, 9), "An entry without a key"));
    // The two that follow the Windows setting are written between actions too.
    CHECK(contains(findingAt(check("[Hueloom]\n[Objects]\nsystemdark=yes\n"), 3),
                   "warning: [Skin.systemdark] is a variable of the plug-in's own: the plug-in overwrites it when GetInfo "
                   "or SetMode \"Auto\" runs and when the Windows setting changes"));
    CHECK(contains(findingAt(check("[Hueloom]\n[Objects]\nHighContrast=no\n"), 3), "[Skin.HighContrast] is a variable of the plug-in's own"));
}

TEST_CASE("System mode: the theme keys are not read, Objects still count, nothing is measured") {
    const SkinReport r = check("[Hueloom]\nMode=None\nName=Stock\nControlBack=#000000\nGlyphs=Off\n[Objects]\nName=x\nTitle=Hi\n");
    CHECK(contains(findingAt(r, 4), "ControlBack is not read in System mode"));
    CHECK(contains(findingAt(r, 5), "Glyphs is not read in System mode"));
    CHECK(contains(findingAt(r, 7), "in System mode it replaces the plug-in's own value"));
    CHECK(r.contrasts.empty());
    // The reset writes the eight first, then the name, the file and the section Objects.
    REQUIRE(r.variables.size() == 12);
    CHECK(r.variables[0].name == L"[Skin.Mode]");
    CHECK(r.variables[0].value == L"System");
    CHECK(r.variables[1].value == L"255,255,255");
    CHECK_FALSE(r.variables[4].value.has_value());  // the accent in force stays
    CHECK_FALSE(r.variables[5].value.has_value());  // so does the glyph switch
    CHECK(r.variables[6].value == L"");
    CHECK(r.variables[8].value == L"Stock");
    CHECK(r.variables[9].value == L"skins/test.ini");
    CHECK(r.variables[11].name == L"[Skin.Title]");
}

TEST_CASE("the theme a file gives, its variables in Apply's order and its contrast checks") {
    const SkinReport r = check(
        "\xEF\xBB\xBF[Hueloom]\nName=Caf\xC3\xA9\nMode=Light\nControlBack=white\nControlText=#777777\n"
        "PageBack=#FFFFFF\nTitleBar=#202020\nTitleText=#303030\nAccent=#FFFF00\nArticleText=Off\n"
        "[Objects]\nBorder=#102030\n");
    CHECK(r.settings.name == L"Caf\u00E9");
    CHECK(r.settings.mode == Mode::Light);
    CHECK(r.settings.controlText == rgb(0x77, 0x77, 0x77));
    CHECK_FALSE(r.settings.articleText);
    REQUIRE(r.variables.size() == 11);
    CHECK(r.variables[0].name == L"[Skin.Border]");  // Objects first, then name, file and the eight
    CHECK(r.variables[0].value == L"16,32,48");
    CHECK(r.variables[1].value == L"Caf\u00E9");
    CHECK(r.variables[3].value == L"Light");
    CHECK(r.variables[7].value == L"255,255,0");
    CHECK(r.variables[9].value == L"32,32,32");

    CHECK(contrastOf(r, "controlTextOnControlBack").severity == Severity::Warning);  // 4.48
    CHECK(contrastOf(r, "controlTextOnPageBack").severity == Severity::Warning);
    CHECK(contrastOf(r, "checkMarkOnAccent").foreground == rgb(32, 32, 32));
    CHECK(contrastOf(r, "checkMarkOnAccent").severity == Severity::Ok);
    CHECK(contrastOf(r, "captionTextOnCaption").severity == Severity::Error);  // 1.2:1
    CHECK(r.count(Severity::Warning) == 2);
    CHECK(r.count(Severity::Error) == 1);
    CHECK(r.worst() == Severity::Error);
}

TEST_CASE("contrast checks that are skipped") {
    const SkinReport titleOnly = check("[Hueloom]\nTitleBar=#000000\n");
    CHECK(contrastOf(titleOnly, "captionTextOnCaption").skipped == L"TitleText is the system default");
    const SkinReport none = check("[Hueloom]\nName=x\n");
    CHECK(contrastOf(none, "captionTextOnCaption").skipped == L"TitleBar and TitleText are the system default");
    // Without the plug-in's glyphs the system draws check boxes: a dim accent does not count.
    const SkinReport glyphsOff = check("[Hueloom]\nGlyphs=Off\nAccent=#00DC00\n");
    CHECK_FALSE(contrastOf(glyphsOff, "checkMarkOnAccent").skipped.empty());
    CHECK(glyphsOff.worst() == Severity::Ok);
    CHECK(check("[Hueloom]\nAccent=#00DC00\n").worst() == Severity::Error);  // white on bright green: 1.87:1
}

TEST_CASE("entries before the first section are counted as the reader counts lines") {
    for (const std::string_view text : {"A=1\r\nB\r\r\n;c\n  C = 3\n[S]\nD=4\n", "\n\n\tX=1\r[s]", "[S]\nA=1\n", ""}) {
        CAPTURE(text);
        const IniDocument doc = IniDocument::parse(text, decodeWindows1252);
        CHECK(entriesBeforeFirstSection(decodeWindows1252(text)).size() == doc.entriesOutsideSections());
    }
    const std::vector<OutsideEntry> entries = entriesBeforeFirstSection(L"A=1\r\nB\r\r\n;c\n  C = 3\n[S]\nD=4\n");
    REQUIRE(entries.size() == 3);
    CHECK(entries[1].line == 2);
    CHECK(entries[1].key == L"B");
    CHECK(entries[2].line == 5);  // CR LF is one line end, the lone CR another
    CHECK(entries[2].key == L"C");
}

TEST_CASE("exit codes: clean, warnings, errors, unreadable") {
    const SkinReport clean = check("[Hueloom]\nName=x\n");
    const SkinReport warned = check("[Hueloom]\nMode=blue\n");
    const SkinReport failed = check("[Hueloom]\nControlText=#202020\n");
    const SkinReport noted = check("[Hueloom]\nTitleText=255\n");
    CHECK(exitCodeFor({clean, noted}) == 0);
    CHECK(exitCodeFor({clean, warned}) == 1);
    CHECK(exitCodeFor({failed, warned}) == 2);
    CHECK(exitCodeFor({failed, unreadableSkin(L"x", L"Skin file not found: x")}) == 3);
}

TEST_CASE("the command line: usage, options, unreadable and real files") {
    CHECK(run({}).code == 3);
    CHECK(contains(run({}).err, "Usage: skin_check [--json] FILE..."));
    CHECK(run({"--colour"}).code == 3);
    CHECK(run({"--help"}).code == 0);

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "hueloom-skin-check-test";
    std::filesystem::create_directories(folder);
    const auto write = [&](const char* name, std::string_view bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return (folder / name).string();
    };
    const std::string good = write("good.ini", "[Hueloom]\nName=Good \"one\"\n");
    const std::string empty = write("empty.ini", "");
    const std::string warned = write("warned.ini", "[Hueloom]\nMode=blue\n");

    const RunResult text = run({good});
    CHECK(text.code == 0);
    CHECK(contains(text.out, "Skin 'Good \"one\"'"));
    CHECK(contains(text.out, "1 file checked: 0 errors, 0 warnings, 0 notes"));

    const RunResult json = run({"--json", good, warned});
    CHECK(json.code == 1);
    CHECK(json.out.front() == '[');
    CHECK(contains(json.out, "\"name\": \"Good \\\"one\\\"\""));
    CHECK(contains(json.out, "\"warnings\": 1"));

    const RunResult missing = run({good, empty, (folder / "absent.ini").string(), folder.string()});
    CHECK(missing.code == 3);
    CHECK(contains(missing.out, "Skin file not found: " + empty));
    CHECK(contains(missing.out, "3 files not readable"));
    // After "--" a name that starts with "-" is a file.
    const RunResult dashed = run({"--", "-x.ini"});
    CHECK(dashed.code == 3);
    CHECK(contains(dashed.out, "Skin file not found: -x.ini"));
    std::filesystem::remove_all(folder);
}

TEST_CASE("JSON: escaping and the layout of the writer") {
    CHECK(jsonString("plain") == "\"plain\"");
    CHECK(jsonString("a\"b\\c") == "\"a\\\"b\\\\c\"");
    CHECK(jsonString("\n\r\t\b\f") == "\"\\n\\r\\t\\b\\f\"");
    CHECK(jsonString(std::string_view("\x01\x1F\x00", 3)) == "\"\\u0001\\u001f\\u0000\"");
    CHECK(jsonString("caf\xC3\xA9 / \x7F") == "\"caf\xC3\xA9 / \x7F\"");  // UTF-8 and '/' pass through

    JsonWriter w;
    w.beginArray().beginObject().key("a").number(-1).key("b").beginArray().endArray();
    w.key("c").null().key("d").boolean(true).key("e").numberText("4.48").key("f").beginArray().string("x").string("y").endArray();
    w.endObject().endArray();
    CHECK(w.text() ==
          "[\n  {\n    \"a\": -1,\n    \"b\": [],\n    \"c\": null,\n    \"d\": true,\n    \"e\": 4.48,\n"
          "    \"f\": [\n      \"x\",\n      \"y\"\n    ]\n  }\n]\n");

    const std::string report = jsonReport({check("[Hueloom]\nName=Tab\there \"q\"\n"), unreadableSkin(L"a\\b.ini", L"Skin file not found: a\\b.ini")});
    CHECK(contains(report, "\"name\": \"Tab\\there \\\"q\\\"\""));
    CHECK(contains(report, "\"file\": \"a\\\\b.ini\",\n    \"readable\": false"));
    CHECK(contains(report, "\"titleBar\": null"));
}

TEST_CASE("text conversions: UTF-8 out, Windows-1252 in") {
    CHECK(toUtf8(L"Caf\u00E9 \u20AC") == "Caf\xC3\xA9 \xE2\x82\xAC");
    if constexpr (sizeof(wchar_t) == 4) {
        CHECK(toUtf8(std::wstring(1, static_cast<wchar_t>(0x1F600))) == "\xF0\x9F\x98\x80");
        CHECK(toUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))) == "\xEF\xBF\xBD");
    }
    const std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    CHECK(toUtf8(pair) == "\xF0\x9F\x98\x80");
    CHECK(toUtf8(std::wstring(1, static_cast<wchar_t>(0xDC00))) == "\xEF\xBF\xBD");
    CHECK(decodeWindows1252("\x80\x81\x9F\xA0\xE9z") == L"\u20AC\u0081\u0178\u00A0\u00E9z");
}
