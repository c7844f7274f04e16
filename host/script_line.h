#pragma once
// Splitting one script line into words and parameters, and putting variable values into
// parameter texts. Pure: no window or system calls.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

enum class Quote {
    None,    // a bare word such as a command name or a number
    Double,  // "..." : [Name] is replaced by the variable's value; "" is one quote
    Single,  // '...' : taken as written; '' is one single quote
};

struct Token {
    std::string text;  // without the quotes, doubled quotes already undone
    Quote quote = Quote::None;
};

struct SplitLine {
    std::vector<Token> tokens;
    std::string error;  // empty when the line is well formed
};

// Words are separated by spaces or tabs. A quote may only open at the start of a word and
// the closing quote must end it.
[[nodiscard]] SplitLine splitLine(std::string_view line);

// Looks a variable up by its bracketed name; unknown variables give empty text.
using VariableLookup = std::function<std::string(std::string_view name)>;

// Replaces every "[Name]" by its value in one pass: values are not scanned again. A "["
// without a closing "]" stays as written.
[[nodiscard]] std::string substituteVariables(std::string_view text, const VariableLookup& lookup);

}  // namespace standin
