// The soak generator: same seed, same script; every action checked; a script the host can
// run from the first line to the last.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include <set>
#include <sstream>

#include "hostile_skins.h"
#include "hostile_values.h"
#include "soak_script.h"

using namespace soak;

namespace {

SoakPlan plan(uint64_t seed, int actions) {
    SoakPlan p;
    p.seed = seed;
    p.actions = actions;
    p.gallerySkins = {"midnight.ini", "paper.ini"};
    p.hostileSkins = {"empty.ini", "garbage1.ini"};
    return p;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

// The host's rule for quotes: closed, doubled inside, followed by a blank or the end.
bool quotesBalanced(const std::string& line) {
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c != '"' && c != '\'') {
            ++i;
            continue;
        }
        ++i;
        for (;;) {
            if (i >= line.size()) return false;
            if (line[i] == c) {
                if (i + 1 < line.size() && line[i + 1] == c) {
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            ++i;
        }
        if (i < line.size() && line[i] != ' ') return false;
    }
    return true;
}

}  // namespace

TEST_CASE("one seed always gives the same script, another seed another") {
    const SoakScript first = writeSoakScript(plan(42, 300));
    CHECK(first.text == writeSoakScript(plan(42, 300)).text);
    CHECK(first.text != writeSoakScript(plan(43, 300)).text);
    CHECK(first.text.find("Print \"soak: seed 42, 300 actions\"") != std::string::npos);
}

TEST_CASE("the script runs at least the asked number of actions, all sixteen of them, each checked") {
    const SoakScript script = writeSoakScript(plan(7, 2000));
    CHECK(script.mainActions >= 2000);
    CHECK(script.subroutineActions > 0);
    const std::vector<std::string> lines = linesOf(script.text);
    std::set<std::string> seen;
    int checked = 0;
    for (size_t i = 1; i + 1 < lines.size(); ++i) {
        if (!startsWith(lines[i], "Hueloom_")) continue;
        const std::string name = lines[i].substr(0, lines[i].find(' '));
        seen.insert(name);
        const bool untouched = name == "Hueloom_BeginUpdate" || name == "Hueloom_EndUpdate";
        CHECK(lines[i - 1] ==
              (untouched ? "SetVar \"[Skin.LastError]\" \"untouched\"" : "SetVar \"[Skin.LastError]\" \"\""));
        CHECK(lines[i + 1] == (untouched ? "AssertEq \"[Skin.LastError]\" \"untouched\""
                                         : "AssertNe \"[Skin.LastError]\" \"\""));
        ++checked;
    }
    CHECK(seen.size() == actionNames().size());
    CHECK(checked >= script.mainActions + script.subroutineActions);
}

TEST_CASE("every line is one the host can parse, and every subroutine named exists") {
    const SoakScript script = writeSoakScript(plan(99, 3000));
    std::set<std::string> labels;
    std::set<std::string> named;
    for (const std::string& line : linesOf(script.text)) {
        CHECK(line.find('\r') == std::string::npos);
        CHECK(line.find('\0') == std::string::npos);
        if (!startsWith(line, "#")) CHECK_MESSAGE(quotesBalanced(line), line.substr(0, 120));
        if (startsWith(line, ":")) labels.insert(line.substr(1));
        if (startsWith(line, "Hueloom_Apply ")) {
            for (int n = 1; n <= 6; ++n)
                if (line.find("SkinSub" + std::to_string(n) + "'") != std::string::npos)
                    named.insert("SkinSub" + std::to_string(n));
            if (line.find("'SkinSubRecurse'") != std::string::npos) named.insert("SkinSubRecurse");
        }
    }
    for (const std::string& name : named) CHECK_MESSAGE(labels.count(name) == 1, name);
    CHECK(labels.count("SkinSubRecurse") == 1);
}

TEST_CASE("the end of the warm-up is marked after the probes have counted, before the first soak action") {
    const soak::SoakScript script = soak::writeSoakScript(plan(3, 50));
    const std::string marker = std::string("SetVar \"") + soak::kWarmedUpVariable + "\" \"1\"";
    const size_t warmedUp = script.text.find(marker);
    REQUIRE(warmedUp != std::string::npos);
    CHECK(script.text.find(marker, warmedUp + 1) == std::string::npos);
    CHECK(script.text.rfind("GdiFree \"[GdiBesideBitmapsAtStart]\"", warmedUp) != std::string::npos);
    CHECK(script.text.find("# The soak.") > warmedUp);
}

TEST_CASE("a subroutine only reaches subroutines with higher numbers, so nesting ends") {
    const std::vector<std::string> lines = linesOf(writeSoakScript(plan(5, 500)).text);
    int current = 0;
    for (const std::string& line : lines) {
        if (startsWith(line, ":SkinSub") && line != ":SkinSubRecurse") current = std::stoi(line.substr(8));
        if (current == 0) continue;
        for (int n = 1; n <= current; ++n) {
            CHECK(line.find("GoSub \"SkinSub" + std::to_string(n) + "\"") == std::string::npos);
            CHECK(line.find("'SkinSub" + std::to_string(n) + "'") == std::string::npos);
        }
    }
}

TEST_CASE("hostile values fit on a script line and reach the extremes") {
    Random random(1);
    bool long4k = false, highBytes = false, empty = false, numberAsColour = false;
    for (int i = 0; i < 5000; ++i) {
        const std::string text = hostileText(random);
        CHECK(fitsOnScriptLine(text));
        long4k |= text.size() == 4096;
        empty |= text.empty();
        for (char c : text) highBytes |= static_cast<unsigned char>(c) >= 0x80;
        const std::string colour = colourText(random);
        CHECK(fitsOnScriptLine(colour));
        numberAsColour |= colour == "12345678" || colour == "16777216";
    }
    CHECK(long4k);
    CHECK(highBytes);
    CHECK(empty);
    CHECK(numberAsColour);
}

TEST_CASE("the hostile skins include empty, garbage and over-size files") {
    Random random(3);
    const std::vector<SkinFile> skins = hostileSkins(random);
    bool empty = false, overLimit = false, nulInside = false;
    for (const SkinFile& skin : skins) {
        CHECK(skin.name.size() > 4);
        CHECK(skin.name.substr(skin.name.size() - 4) == ".ini");
        empty |= skin.bytes.empty();
        overLimit |= skin.bytes.size() > 4u * 1024 * 1024;
        nulInside |= skin.name == "nul-inside.ini" && skin.bytes.find('\0') != std::string::npos;
    }
    CHECK(empty);
    CHECK(overLimit);
    CHECK(nulInside);
}
