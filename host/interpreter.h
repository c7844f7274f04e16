#pragma once
// Runs one script file: the main body, subroutines, and the lines the plug-in hands to the
// script processor while one of its actions runs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "script_program.h"

namespace standin {

struct HostSession;

enum class Flow {
    Next,    // go on with the next line
    Return,  // leave the subroutine
    End,     // the script is over
    Exit,    // the whole run is over
    Failed,  // a run-time error was reported; the script stops
};

// What a command handler gets: the statement and its parameters.
class Interpreter;
struct Call {
    Interpreter& interpreter;
    HostSession& session;
    const Statement& statement;

    [[nodiscard]] size_t count() const noexcept { return statement.args.size(); }
    // The parameter with [Name] replaced by values (not in '...' parameters).
    [[nodiscard]] std::string text(size_t index) const;
    // The parameter exactly as written.
    [[nodiscard]] const std::string& raw(size_t index) const { return statement.args.at(index).text; }
    [[nodiscard]] std::optional<int> number(size_t index) const;
    // A parameter that names a variable: "[Name]" as written, or empty after reporting.
    [[nodiscard]] std::optional<std::string> variableName(size_t index) const;
    // Reports a run-time error at this line.
    [[nodiscard]] Flow fail(std::string_view message) const;
    [[nodiscard]] Flow notANumber(size_t index) const;
    [[nodiscard]] std::string where() const;
};

using CommandHandler = Flow (*)(const Call& call);

struct CommandEntry {
    const char* name;
    Arity arity;
    CommandHandler handler;
};

// Every host command, core and window commands alike.
[[nodiscard]] const CommandEntry* findCommand(std::string_view name);
// Host commands first, then the plug-in's registered actions.
[[nodiscard]] std::optional<Arity> arityOf(const HostSession& session, std::string_view command);

class Interpreter {
public:
    Interpreter(HostSession& session, const Program& program, std::string fileName);

    [[nodiscard]] Flow runMain();
    [[nodiscard]] Flow goSub(const Call& call, std::string_view label);
    // A line from the plug-in's script processor; runs nested in the action running now.
    void runForeignLine(std::string_view line);

    [[nodiscard]] const std::string& fileName() const noexcept { return fileName_; }

private:
    [[nodiscard]] Flow runBlock(size_t start, bool subroutine);
    // End, Exit or an error raised by a foreign line since it was last taken.
    [[nodiscard]] Flow takePendingFlow() noexcept;
    [[nodiscard]] Flow execute(const Statement& statement);

    HostSession& session_;
    const Program& program_;
    std::string fileName_;
    int depth_ = 0;
    int currentLine_ = 0;
    Flow pending_ = Flow::Next;
};

// The command groups.
[[nodiscard]] const CommandEntry* findCoreCommand(std::string_view name);
[[nodiscard]] const CommandEntry* findPluginCommand(std::string_view name);
[[nodiscard]] const CommandEntry* findWindowCommand(std::string_view name);
[[nodiscard]] const CommandEntry* findProbeCommand(std::string_view name);
// Calls one of the plug-in's actions with the statement's parameters.
[[nodiscard]] Flow callAction(const Call& call, int32_t number);

}  // namespace standin
