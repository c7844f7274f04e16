// Reading script lines and whole files: quotes, substitution, labels and the checks made
// before a file runs.
#include <doctest.h>

#include "script_line.h"
#include "script_program.h"
#include "text_util.h"

using namespace standin;

namespace {

std::string lookupFixed(std::string_view name) {
    if (equalsFolded(name, "[Name]")) return "Ann";
    if (equalsFolded(name, "[Loop]")) return "[Name]";
    return {};
}

std::optional<Arity> testArity(std::string_view command) {
    if (equalsFolded(command, "Print") || equalsFolded(command, "GoSub")) return Arity::exactly(1);
    if (equalsFolded(command, "Return") || equalsFolded(command, "End")) return Arity::exactly(0);
    if (equalsFolded(command, "Exit")) return Arity::between(0, 1);
    if (equalsFolded(command, "Click")) return Arity::exactly(1).orExactly(3);
    return std::nullopt;
}

std::vector<std::string> errorTexts(const ParsedProgram& parsed) {
    std::vector<std::string> texts;
    for (const Diagnostic& error : parsed.errors)
        texts.push_back(std::to_string(error.line) + ": " + error.message);
    return texts;
}

}  // namespace

TEST_CASE("a line splits into a bare word and quoted parameters") {
    const SplitLine split = splitLine("Print  \"a \"\"quoted\"\" word\"\t'raw [x] it''s' 42");
    REQUIRE(split.error.empty());
    REQUIRE(split.tokens.size() == 4);
    CHECK(split.tokens[0].quote == Quote::None);
    CHECK(split.tokens[1].text == "a \"quoted\" word");
    CHECK(split.tokens[1].quote == Quote::Double);
    CHECK(split.tokens[2].text == "raw [x] it's");
    CHECK(split.tokens[2].quote == Quote::Single);
    CHECK(split.tokens[3].text == "42");
}

TEST_CASE("empty quotes give an empty parameter, not a missing one") {
    const SplitLine split = splitLine("SetVar \"[A]\" \"\"");
    REQUIRE(split.tokens.size() == 3);
    CHECK(split.tokens[2].text.empty());
}

TEST_CASE("badly quoted lines are errors") {
    CHECK(splitLine("Print \"open").error == "unterminated quote");
    CHECK(splitLine("Print 'open").error == "unterminated quote");
    CHECK(splitLine("Print \"a\"\"").error == "unterminated quote");
    CHECK(splitLine("Print \"a\"b").error == "text right after a closing quote");
    CHECK(splitLine("Print ab\"c\"").error == "quote inside a word");
}

TEST_CASE("variables are substituted once, unknown ones as empty text") {
    CHECK(substituteVariables("Hi [name]!", lookupFixed) == "Hi Ann!");
    CHECK(substituteVariables("[Missing]x", lookupFixed) == "x");
    // A value that looks like a variable is not expanded again.
    CHECK(substituteVariables("[Loop]", lookupFixed) == "[Name]");
    CHECK(substituteVariables("a [b", lookupFixed) == "a [b");
    CHECK(substituteVariables("a [x [Name]", lookupFixed) == "a [x Ann");
    CHECK(substituteVariables("] [] [Name]", lookupFixed) == "]  Ann");
}

TEST_CASE("a file is read into statements and labels") {
    const ParsedProgram parsed = parseProgram(
        "# comment\r\n\r\n  Print \"a\"\r\nGoSub \"Later\"\nEnd\n:Later\nPrint 'b'\nReturn", testArity);
    REQUIRE(parsed.errors.empty());
    const Program& program = parsed.program;
    REQUIRE(program.statements.size() == 6);
    CHECK(program.statements[0].line == 3);
    CHECK(program.statements[3].kind == Statement::Kind::Label);
    CHECK(program.statements[3].line == 6);
    CHECK(program.labels.at("later") == 3);
}

TEST_CASE("every mistake of a file is reported with its line, in line order") {
    const ParsedProgram parsed = parseProgram(
        "GoSub \"Nowhere\"\n"
        "Print\n"
        "Frobnicate\n"
        "Return\n"
        "Click \"a\" 1\n"
        "\"Print\" \"x\"\n"
        ":Sub\n"
        "Print \"x\"\n"
        ":Sub\n"
        "Return\n"
        ": two words\n"
        ":Last\n"
        "Print \"x\"\n",
        testArity);
    const std::vector<std::string> expected = {
        "1: GoSub to unknown label 'Nowhere'",
        "2: Print takes 1 parameter, got 0",
        "3: unknown command 'Frobnicate'",
        "4: Return outside a subroutine",
        "5: Click takes 1 or 3 parameters, got 2",
        "6: a line must start with a command word",
        "7: subroutine 'Sub' runs into the next label without Return",
        "9: label 'Sub' is defined twice",
        "11: a label is ':' followed by one word",
        "12: subroutine 'Last' has no Return",
    };
    CHECK(errorTexts(parsed) == expected);
}

TEST_CASE("a GoSub target built from a variable is checked only when it runs") {
    CHECK(parseProgram("GoSub \"[Target]\"", testArity).errors.empty());
    CHECK(parseProgram("GoSub '[Target]'", testArity).errors.size() == 1);
}

TEST_CASE("End and Exit close a subroutine as Return does") {
    CHECK(parseProgram(":A\nEnd\n:B\nExit 3\n", testArity).errors.empty());
}

TEST_CASE("a single line from the plug-in is one command") {
    const ParsedLine gosub = parseSingleLine("GoSub \"Sub\"", testArity);
    REQUIRE(gosub.statement);
    CHECK(gosub.statement->name == "GoSub");
    CHECK(parseSingleLine("  # nothing", testArity).statement == std::nullopt);
    CHECK(parseSingleLine(":Label", testArity).error == "a label cannot be run as a line");
    CHECK(parseSingleLine("GoSub", testArity).error == "GoSub takes 1 parameter, got 0");
}

TEST_CASE("arity descriptions") {
    CHECK(Arity::exactly(2).describe() == "2");
    CHECK(Arity::between(7, 8).describe() == "7 to 8");
    CHECK(Arity::exactly(1).orExactly(3).describe() == "1 or 3");
    CHECK_FALSE(Arity::exactly(0).accepts(-1));
    CHECK_FALSE(Arity::exactly(0).accepts(64));
}
