#include "script_line.h"

namespace standin {

namespace {

bool isBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}

}  // namespace

SplitLine splitLine(std::string_view line) {
    SplitLine result;
    size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        Token token;
        const char open = line[i];
        if (open == '"' || open == '\'') {
            token.quote = open == '"' ? Quote::Double : Quote::Single;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == open) {
                    if (i + 1 < line.size() && line[i + 1] == open) {
                        token.text += open;
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                token.text += line[i++];
            }
            if (!closed) {
                result.error = "unterminated quote";
                return result;
            }
            if (i < line.size() && !isBlank(line[i])) {
                result.error = "text right after a closing quote";
                return result;
            }
        } else {
            while (i < line.size() && !isBlank(line[i])) {
                if (line[i] == '"' || line[i] == '\'') {
                    result.error = "quote inside a word";
                    return result;
                }
                token.text += line[i++];
            }
        }
        result.tokens.push_back(std::move(token));
    }
    return result;
}

std::string substituteVariables(std::string_view text, const VariableLookup& lookup) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const size_t open = text.find('[', i);
        if (open == std::string_view::npos) break;
        const size_t close = text.find(']', open + 1);
        if (close == std::string_view::npos) break;
        const size_t nextOpen = text.find('[', open + 1);
        out.append(text.substr(i, open - i));
        if (nextOpen < close) {
            // "[a [B]": the first bracket is plain text, the name starts at the second.
            out.append(text.substr(open, nextOpen - open));
            i = nextOpen;
            continue;
        }
        out += lookup(text.substr(open, close - open + 1));
        i = close + 1;
    }
    out.append(text.substr(i));
    return out;
}

}  // namespace standin
