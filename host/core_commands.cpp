// Variables, subroutines, output, assertions and the end of a script.
#include <optional>

#include "command_table.h"
#include "console.h"
#include "host_session.h"

namespace standin {

namespace {

Flow assertion(const Call& call, bool passed, std::string_view actual, std::string_view expected,
               std::string_view expectation = "expected") {
    ++call.session.outcome.assertions;
    if (passed) return Flow::Next;
    ++call.session.outcome.failed;
    say(call.where() + ": FAILED " + call.statement.name);
    say("    actual:   \"" + std::string(actual) + "\"");
    say("    " + std::string(expectation) + ": \"" + std::string(expected) + "\"");
    return Flow::Next;
}

Flow setVar(const Call& call) {
    const auto name = call.variableName(0);
    if (!name) return Flow::Failed;
    call.session.setVariable(*name, call.text(1));
    return Flow::Next;
}

Flow goSub(const Call& call) {
    return call.interpreter.goSub(call, call.text(0));
}

Flow returnFromSub(const Call&) {
    return Flow::Return;
}

Flow end(const Call&) {
    return Flow::End;
}

Flow exitRun(const Call& call) {
    int code = 0;
    if (call.count() == 1) {
        const auto value = call.number(0);
        if (!value || *value < 0 || *value > 255) return call.fail("Exit takes a code from 0 to 255");
        code = *value;
    }
    call.session.outcome.exitRequest = code;
    return Flow::Exit;
}

Flow print(const Call& call) {
    say(call.text(0));
    return Flow::Next;
}

Flow assertEq(const Call& call) {
    const std::string actual = call.text(0);
    const std::string expected = call.text(1);
    return assertion(call, actual == expected, actual, expected);
}

Flow assertNe(const Call& call) {
    const std::string actual = call.text(0);
    const std::string unexpected = call.text(1);
    return assertion(call, actual != unexpected, actual, unexpected, "not expected");
}

Flow assertContains(const Call& call) {
    const std::string actual = call.text(0);
    const std::string part = call.text(1);
    return assertion(call, actual.find(part) != std::string::npos, actual, part, "to contain");
}

std::optional<long long> wholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return text[0] == '-' ? -value : value;
}

// AssertAtMost "actual" "limit" [slack]: for counts that may shrink but not grow, such as
// the memory in use before and after a long run.
Flow assertAtMost(const Call& call) {
    const std::string actualText = call.text(0);
    const std::string limitText = call.text(1);
    const auto actual = wholeNumber(actualText);
    const auto limit = wholeNumber(limitText);
    const auto slack = call.count() == 3 ? wholeNumber(call.text(2)) : std::optional<long long>(0);
    if (!actual || !limit || !slack) return call.fail("AssertAtMost compares whole numbers");
    const std::string bound = std::to_string(*limit + *slack);
    return assertion(call, *actual <= *limit + *slack, actualText, bound, "at most");
}

Flow assertResult(const Call& call) {
    const auto expected = call.number(0);
    if (!expected) return call.notANumber(0);
    const int actual = call.session.lastResult;
    return assertion(call, actual == *expected, std::to_string(actual), std::to_string(*expected));
}

constexpr CommandEntry kCoreCommands[] = {
    {"SetVar", Arity::exactly(2), setVar},
    {"GoSub", Arity::exactly(1), goSub},
    {"Return", Arity::exactly(0), returnFromSub},
    {"End", Arity::exactly(0), end},
    {"Exit", Arity::between(0, 1), exitRun},
    {"Print", Arity::exactly(1), print},
    {"AssertEq", Arity::exactly(2), assertEq},
    {"AssertNe", Arity::exactly(2), assertNe},
    {"AssertContains", Arity::exactly(2), assertContains},
    {"AssertResult", Arity::exactly(1), assertResult},
    {"AssertAtMost", Arity::between(2, 3), assertAtMost},
};

}  // namespace

const CommandEntry* findCoreCommand(std::string_view name) {
    return findIn(kCoreCommands, name);
}

}  // namespace standin
