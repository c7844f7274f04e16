#include "interpreter.h"

#include <exception>

#include "console.h"
#include "fault_watch.h"
#include "hang_watch.h"
#include "host_session.h"
#include "text_util.h"

namespace standin {

namespace {

constexpr int kMaxNesting = 64;

}  // namespace

std::string Call::text(size_t index) const {
    const Token& token = statement.args.at(index);
    if (token.quote == Quote::Single) return token.text;
    const VariableStore& variables = session.variables;
    return substituteVariables(token.text,
                               [&variables](std::string_view name) { return variables.value(name); });
}

std::optional<int> Call::number(size_t index) const {
    const auto value = parseInteger(text(index));
    if (!value || *value < INT32_MIN || *value > INT32_MAX) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<std::string> Call::variableName(size_t index) const {
    const std::string& name = raw(index);
    if (isBracketedName(name)) return name;
    (void)fail("parameter " + std::to_string(index + 1) +
               " must be a variable name in brackets, such as \"[Name]\"");
    return std::nullopt;
}

std::string Call::where() const {
    return interpreter.fileName() + ":" + std::to_string(statement.line);
}

Flow Call::fail(std::string_view message) const {
    session.outcome.scriptError = true;
    say(where() + ": error: " + std::string(message));
    return Flow::Failed;
}

Flow Call::notANumber(size_t index) const {
    return fail("parameter " + std::to_string(index + 1) + " ('" + text(index) + "') is not a number");
}

const CommandEntry* findCommand(std::string_view name) {
    if (const CommandEntry* entry = findCoreCommand(name)) return entry;
    if (const CommandEntry* entry = findPluginCommand(name)) return entry;
    if (const CommandEntry* entry = findWindowCommand(name)) return entry;
    return findProbeCommand(name);
}

std::optional<Arity> arityOf(const HostSession& session, std::string_view command) {
    if (const CommandEntry* entry = findCommand(command)) return entry->arity;
    if (const Registration* action = session.record.findAction(command))
        return Arity::exactly(action->count < 0 ? 0 : action->count);
    return std::nullopt;
}

Interpreter::Interpreter(HostSession& session, const Program& program, std::string fileName)
    : session_(session), program_(program), fileName_(std::move(fileName)) {}

Flow Interpreter::runMain() {
    return runBlock(0, false);
}

Flow Interpreter::runBlock(size_t start, bool subroutine) {
    for (size_t i = start; i < program_.statements.size(); ++i) {
        const Statement& statement = program_.statements[i];
        if (statement.kind == Statement::Kind::Label) {
            // The main body ends at the first label; a checked subroutine never reaches one.
            if (!subroutine) return Flow::End;
            continue;
        }
        const Flow flow = execute(statement);
        if (flow == Flow::Next) continue;
        if (flow == Flow::Return) return subroutine ? Flow::Next : Flow::End;
        return flow;
    }
    return subroutine ? Flow::Next : Flow::End;
}

Flow Interpreter::goSub(const Call& call, std::string_view label) {
    const auto found = program_.labels.find(foldCase(label));
    if (found == program_.labels.end())
        return call.fail("GoSub to unknown label '" + std::string(label) + "'");
    if (depth_ >= kMaxNesting)
        return call.fail("subroutines nested more than " + std::to_string(kMaxNesting) + " deep");
    ++depth_;
    const Flow flow = runBlock(found->second + 1, true);
    --depth_;
    return flow;
}

Flow Interpreter::execute(const Statement& statement) {
    const int outerLine = currentLine_;
    currentLine_ = statement.line;
    Call call{*this, session_, statement};
    noteProgress(call.where());
    Flow flow = Flow::Next;
    try {
        if (const CommandEntry* entry = findCommand(statement.name))
            flow = entry->handler(call);
        else if (const Registration* action = session_.record.findAction(statement.name))
            flow = callAction(call, action->number);
        else
            flow = call.fail("unknown command '" + statement.name + "'");
    } catch (const std::exception& error) {
        flow = call.fail(std::string("internal error: ") + error.what());
    }
    (void)reportNewFaults(call.where());
    // End, Exit or an error in a line the plug-in ran meanwhile (in an action, or in a
    // message the command caused) stops the script here.
    if (flow == Flow::Next) flow = takePendingFlow();
    currentLine_ = outerLine;
    return flow;
}

void Interpreter::runForeignLine(std::string_view line) {
    // Once the script is stopping, further lines from the plug-in are not run.
    if (pending_ != Flow::Next) return;
    Statement statement;
    statement.line = currentLine_;
    const ParsedLine parsed =
        parseSingleLine(line, [this](std::string_view command) { return arityOf(session_, command); });
    if (!parsed.error.empty()) {
        statement.name = "(script processor)";
        Call call{*this, session_, statement};
        pending_ = call.fail("line from the plug-in '" + std::string(line) + "': " + parsed.error);
        return;
    }
    if (!parsed.statement) return;
    statement = *parsed.statement;
    statement.line = currentLine_;
    if (depth_ >= kMaxNesting) {
        Call call{*this, session_, statement};
        pending_ =
            call.fail("lines from the plug-in nested more than " + std::to_string(kMaxNesting) + " deep");
        return;
    }
    ++depth_;
    Flow flow = execute(statement);
    --depth_;
    if (flow == Flow::Return) {
        Call call{*this, session_, statement};
        flow = call.fail("Return in a line from the plug-in");
    }
    if (flow != Flow::Next) pending_ = flow;
}

Flow Interpreter::takePendingFlow() noexcept {
    const Flow flow = pending_;
    pending_ = Flow::Next;
    return flow;
}

}  // namespace standin
