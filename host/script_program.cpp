#include "script_program.h"

#include <algorithm>

#include "text_util.h"

namespace standin {

namespace {

std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    return line;
}

struct LineReading {
    enum class Kind { Nothing, Label, Command, Error } kind = Kind::Nothing;
    Statement statement;
    std::string error;
};

LineReading readLine(std::string_view raw, int lineNumber) {
    LineReading reading;
    const std::string_view line = trimBlanks(withoutLineEnd(raw));
    if (line.empty() || line.front() == '#') return reading;
    reading.statement.line = lineNumber;
    if (line.front() == ':') {
        const std::string_view name = trimBlanks(line.substr(1));
        if (name.empty() || name.find_first_of(" \t\"'") != std::string_view::npos) {
            reading.kind = LineReading::Kind::Error;
            reading.error = "a label is ':' followed by one word";
            return reading;
        }
        reading.kind = LineReading::Kind::Label;
        reading.statement.kind = Statement::Kind::Label;
        reading.statement.name = std::string(name);
        return reading;
    }
    SplitLine split = splitLine(line);
    if (!split.error.empty()) {
        reading.kind = LineReading::Kind::Error;
        reading.error = split.error;
        return reading;
    }
    if (split.tokens.front().quote != Quote::None) {
        reading.kind = LineReading::Kind::Error;
        reading.error = "a line must start with a command word";
        return reading;
    }
    reading.kind = LineReading::Kind::Command;
    reading.statement.name = std::move(split.tokens.front().text);
    split.tokens.erase(split.tokens.begin());
    reading.statement.args = std::move(split.tokens);
    return reading;
}

// A GoSub whose label is written out (no variable in it) can be checked before running.
std::optional<std::string> literalGoSubTarget(const Statement& statement) {
    if (!equalsFolded(statement.name, "GoSub") || statement.args.size() != 1) return std::nullopt;
    const Token& target = statement.args.front();
    if (target.quote != Quote::Single && target.text.find('[') != std::string::npos) return std::nullopt;
    return target.text;
}

}  // namespace

std::string Arity::describe() const {
    std::vector<int> counts;
    for (int n = 0; n < 64; ++n)
        if (accepts(n)) counts.push_back(n);
    if (counts.empty()) return "no";
    const bool contiguous = counts.back() - counts.front() + 1 == static_cast<int>(counts.size());
    if (counts.size() == 1) return std::to_string(counts.front());
    if (contiguous) return std::to_string(counts.front()) + " to " + std::to_string(counts.back());
    std::string text;
    for (size_t i = 0; i < counts.size(); ++i) {
        if (i > 0) text += i + 1 == counts.size() ? " or " : ", ";
        text += std::to_string(counts[i]);
    }
    return text;
}

bool endsBlock(std::string_view command) noexcept {
    return equalsFolded(command, "Return") || equalsFolded(command, "End") || equalsFolded(command, "Exit");
}

std::string checkCommand(const Statement& statement, const ArityLookup& arityOf) {
    const std::optional<Arity> arity = arityOf(statement.name);
    if (!arity) return "unknown command '" + statement.name + "'";
    const int count = static_cast<int>(statement.args.size());
    if (!arity->accepts(count)) {
        const std::string expected = arity->describe();
        return statement.name + " takes " + expected + (expected == "1" ? " parameter" : " parameters") +
               ", got " + std::to_string(count);
    }
    return {};
}

ParsedProgram parseProgram(std::string_view text, const ArityLookup& arityOf) {
    ParsedProgram parsed;
    Program& program = parsed.program;
    int lineNumber = 0;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find('\n', start);
        const std::string_view raw =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        ++lineNumber;
        LineReading reading = readLine(raw, lineNumber);
        switch (reading.kind) {
            case LineReading::Kind::Nothing:
                break;
            case LineReading::Kind::Error:
                parsed.errors.push_back({lineNumber, reading.error});
                break;
            case LineReading::Kind::Label: {
                const std::string key = foldCase(reading.statement.name);
                if (program.labels.count(key))
                    parsed.errors.push_back(
                        {lineNumber, "label '" + reading.statement.name + "' is defined twice"});
                else
                    program.labels[key] = program.statements.size();
                program.statements.push_back(std::move(reading.statement));
                break;
            }
            case LineReading::Kind::Command: {
                const std::string problem = checkCommand(reading.statement, arityOf);
                if (!problem.empty()) parsed.errors.push_back({lineNumber, problem});
                program.statements.push_back(std::move(reading.statement));
                break;
            }
        }
        if (end == std::string_view::npos) break;
        start = end + 1;
    }

    // Block structure: no Return in the main body, every subroutine reaches an end.
    bool inSubroutine = false;
    bool subroutineEnded = true;
    const Statement* openLabel = nullptr;
    for (const Statement& statement : program.statements) {
        if (statement.kind == Statement::Kind::Label) {
            if (inSubroutine && !subroutineEnded)
                parsed.errors.push_back({openLabel->line, "subroutine '" + openLabel->name +
                                                              "' runs into the next label without Return"});
            inSubroutine = true;
            subroutineEnded = false;
            openLabel = &statement;
            continue;
        }
        if (!inSubroutine && equalsFolded(statement.name, "Return"))
            parsed.errors.push_back({statement.line, "Return outside a subroutine"});
        if (inSubroutine && endsBlock(statement.name)) subroutineEnded = true;
    }
    if (inSubroutine && !subroutineEnded)
        parsed.errors.push_back({openLabel->line, "subroutine '" + openLabel->name + "' has no Return"});
    // Labels may come after the GoSub, so targets are checked once all are known.
    for (const Statement& statement : program.statements) {
        if (const auto target = literalGoSubTarget(statement);
            target && !program.labels.count(foldCase(*target)))
            parsed.errors.push_back({statement.line, "GoSub to unknown label '" + *target + "'"});
    }
    std::stable_sort(parsed.errors.begin(), parsed.errors.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    return parsed;
}

ParsedLine parseSingleLine(std::string_view line, const ArityLookup& arityOf) {
    ParsedLine parsed;
    LineReading reading = readLine(line, 0);
    switch (reading.kind) {
        case LineReading::Kind::Nothing:
            break;
        case LineReading::Kind::Error:
            parsed.error = reading.error;
            break;
        case LineReading::Kind::Label:
            parsed.error = "a label cannot be run as a line";
            break;
        case LineReading::Kind::Command:
            parsed.error = checkCommand(reading.statement, arityOf);
            if (parsed.error.empty()) parsed.statement = std::move(reading.statement);
            break;
    }
    return parsed;
}

}  // namespace standin
