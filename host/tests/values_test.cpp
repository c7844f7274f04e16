// Numbers, names, variables, the command line and the track-bar arithmetic.
#include <doctest.h>

#include "module_facts.h"
#include "options.h"
#include "plugin_record.h"
#include "text_util.h"
#include "track_geometry.h"
#include "variables.h"

using namespace standin;

TEST_CASE("integers: decimal with sign, hex, blanks around, nothing else") {
    CHECK(parseInteger(" -42\t") == -42);
    CHECK(parseInteger("+7") == 7);
    CHECK(parseInteger("0x1F") == 31);
    CHECK(parseInteger("0xFFFFFFFFFFFFFFFF") == -1);  // any 64-bit handle pattern
    CHECK(parseInteger("9223372036854775807") == INT64_MAX);
    CHECK_FALSE(parseInteger("9223372036854775808"));
    CHECK_FALSE(parseInteger("0x"));
    CHECK_FALSE(parseInteger(""));
    CHECK_FALSE(parseInteger("-"));
    CHECK_FALSE(parseInteger("12px"));
    CHECK_FALSE(parseInteger("1 2"));
    CHECK_FALSE(parseInteger("0x1G"));
}

TEST_CASE("bracketed variable names") {
    CHECK(isBracketedName("[A]"));
    CHECK_FALSE(isBracketedName("[]"));
    CHECK_FALSE(isBracketedName("A"));
    CHECK_FALSE(isBracketedName("[A"));
    CHECK_FALSE(isBracketedName("[A]B]"));
    CHECK(bracketed("Var") == "[Var]");
    CHECK(bracketed("[Var]") == "[Var]");
}

TEST_CASE("variables ignore letter case of the name, never of the value") {
    VariableStore variables;
    variables.set("[Skin.LastError]", "OK");
    CHECK(variables.value("[SKIN.lasterror]") == "OK");
    variables.set("[skin.lasterror]", "Bad");
    CHECK(variables.size() == 1);
    CHECK(variables.value("[Skin.LastError]") == "Bad");
    CHECK(variables.find("[Other]") == nullptr);
    variables.set("[Empty]", "");
    REQUIRE(variables.find("[Empty]") != nullptr);
    CHECK(variables.find("[Empty]")->empty());
}

TEST_CASE("command line") {
    const ParsedOptions full =
        parseOptions({L"--plugin", L"p.dll", L"--reader", L"cdecl", L"--shots", L"out", L"a.hls", L"b.hls"});
    REQUIRE(full.error.empty());
    CHECK(full.options.pluginPath == L"p.dll");
    CHECK(full.options.reader == ReaderStyle::Cdecl);
    CHECK(full.options.shotsFolder == L"out");
    CHECK(full.options.scripts == std::vector<std::wstring>{L"a.hls", L"b.hls"});

    CHECK(parseOptions({L"a.hls"}).error == "--plugin PATH is required");
    CHECK(parseOptions({L"--plugin"}).error == "missing value after an option");
    CHECK(parseOptions({L"--plugin", L"p", L"--reader", L"stdcall"}).error ==
          "--reader takes sdk, copy, address or cdecl, or several separated by commas");
    CHECK_FALSE(parseOptions({L"--plugin", L"p", L"--reader", L"sdk,"}).error.empty());
    const ParsedOptions defaults = parseOptions({L"--plugin", L"p"});
    CHECK(defaults.options.reader == ReaderStyle::Sdk);
    CHECK(defaults.options.readerPasses == std::vector<ReaderStyle>{ReaderStyle::Sdk});
    const ParsedOptions passes = parseOptions({L"--plugin", L"p", L"--reader", L"copy,address,cdecl"});
    REQUIRE(passes.error.empty());
    CHECK(passes.options.reader == ReaderStyle::Copy);
    CHECK(passes.options.readerPasses ==
          std::vector<ReaderStyle>{ReaderStyle::Copy, ReaderStyle::Address, ReaderStyle::Cdecl});
    CHECK(parseOptions({L"--plugin", L"p", L"--frob"}).error == "unknown option");
    CHECK(parseOptions({L"--help"}).helpWanted);
}

TEST_CASE("track ranges") {
    CHECK(parseTrackRange("0,100")->maximum == 100);
    CHECK(parseTrackRange(" -50 , 50 ")->minimum == -50);
    CHECK_FALSE(parseTrackRange("5,5"));
    CHECK_FALSE(parseTrackRange("10,0"));
    CHECK_FALSE(parseTrackRange("0..100"));
    CHECK_FALSE(parseTrackRange("a,b"));
}

TEST_CASE("track positions follow the mouse within the range") {
    const TrackRange range{0, 100};
    const int width = 2 * kTrackMargin + 200;  // 2 pixels per step
    CHECK(trackPositionAt(kTrackMargin, width, range) == 0);
    CHECK(trackPositionAt(kTrackMargin + 100, width, range) == 50);
    CHECK(trackPositionAt(kTrackMargin + 101, width, range) == 51);  // rounded to the nearest step
    CHECK(trackPositionAt(-500, width, range) == 0);
    CHECK(trackPositionAt(5000, width, range) == 100);
    CHECK(trackPositionAt(kTrackMargin + 100, width, TrackRange{-50, 50}) == 0);
    // A track bar narrower than its margins still gives positions in range.
    CHECK(trackPositionAt(3, 4, range) >= 0);
    CHECK(trackPositionAt(3, 4, range) <= 100);
}

TEST_CASE("the thumb sits where a click would put that position") {
    const TrackRange range{-50, 50};
    const int width = 280;
    for (int position : {-50, -13, 0, 27, 50})
        CHECK(trackPositionAt(trackThumbCentre(position, width, range), width, range) == position);
    CHECK(trackThumbCentre(500, width, range) == trackThumbCentre(50, width, range));
}

TEST_CASE("a track variable's text as a position") {
    const TrackRange range{0, 100};
    CHECK(trackPositionFromText("30", range) == 30);
    CHECK(trackPositionFromText("150", range) == 100);
    CHECK(trackPositionFromText("", range) == 0);
    CHECK(trackPositionFromText("loud", range) == 0);
}

TEST_CASE("registrations as scripts see them") {
    PluginRecord record;
    record.title = "T";
    Registration first;
    first.number = 4;
    first.name = "X_Do";
    first.count = 2;
    first.types = std::array<unsigned char, kTypeArraySize>{1, 1};
    record.registrations.push_back(first);
    Registration second = first;
    second.number = 9;
    second.types.reset();
    record.registrations.push_back(second);

    CHECK(typesText(first) == "1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
    CHECK(typesText(second) == "unreadable");
    // A name registered twice calls the later registration.
    CHECK(record.findAction("x_do")->number == 9);
    CHECK(record.findAction("X_Other") == nullptr);

    VariableStore variables;
    exposeRecord(record, variables);
    CHECK(variables.value("[Host.Title]") == "T");
    CHECK(variables.value("[Host.RegCount]") == "2");
    CHECK(variables.value("[Host.Reg2.Number]") == "9");
    CHECK(variables.value("[Host.Reg2.Types]") == "unreadable");
}

TEST_CASE("a fixed file version as the plug-in reports its version") {
    CHECK(fixedVersionText(0x00010004, 0x00030000) == "1.4.3");
    CHECK(fixedVersionText(0x000A0000, 0x00000000) == "10.0.0");
    // Each half holds two 16-bit parts; the fourth shows only when it is not 0.
    CHECK(fixedVersionText(0xFFFF0001, 0x00020007) == "65535.1.2.7");
}
