#pragma once
// A script file read into statements and labels, and checked before it runs: unknown
// commands, wrong parameter counts, bad quotes and broken subroutines are all reported
// with their line numbers. Pure: no window or system calls.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script_line.h"

namespace standin {

// The parameter counts a command accepts (0 to 63).
class Arity {
public:
    [[nodiscard]] static constexpr Arity exactly(int count) noexcept { return Arity(bit(count)); }
    [[nodiscard]] static constexpr Arity between(int low, int high) noexcept {
        uint64_t mask = 0;
        for (int n = low; n <= high; ++n) mask |= bit(n);
        return Arity(mask);
    }
    [[nodiscard]] constexpr Arity orExactly(int count) const noexcept { return Arity(mask_ | bit(count)); }
    [[nodiscard]] constexpr bool accepts(int count) const noexcept {
        return count >= 0 && count < 64 && (mask_ & bit(count)) != 0;
    }
    // "1", "1 or 3", "2 to 5"
    [[nodiscard]] std::string describe() const;

private:
    explicit constexpr Arity(uint64_t mask) noexcept : mask_(mask) {}
    static constexpr uint64_t bit(int n) noexcept { return (n >= 0 && n < 64) ? (uint64_t{1} << n) : 0; }
    uint64_t mask_;
};

using ArityLookup = std::function<std::optional<Arity>(std::string_view command)>;

struct Statement {
    enum class Kind { Command, Label };
    Kind kind = Kind::Command;
    int line = 0;      // 1-based line in the file
    std::string name;  // command word, or label name without the colon
    std::vector<Token> args;
};

struct Diagnostic {
    int line = 0;
    std::string message;
};

struct Program {
    std::vector<Statement> statements;
    std::map<std::string, size_t> labels;  // folded label name -> index of its Label statement
};

struct ParsedProgram {
    Program program;
    std::vector<Diagnostic> errors;
};

// The command of one line checked against the known commands; empty when it is fine.
[[nodiscard]] std::string checkCommand(const Statement& statement, const ArityLookup& arityOf);

[[nodiscard]] ParsedProgram parseProgram(std::string_view text, const ArityLookup& arityOf);

// A single line handed over at run time (the script processor): one command, no label.
struct ParsedLine {
    std::optional<Statement> statement;  // empty for a blank or comment line
    std::string error;
};
[[nodiscard]] ParsedLine parseSingleLine(std::string_view line, const ArityLookup& arityOf);

// Commands that end the flow of a block; a subroutine must reach one of them.
[[nodiscard]] bool endsBlock(std::string_view command) noexcept;

}  // namespace standin
