#pragma once
// A small writer of indented JSON text. Strings go in as UTF-8 and come out escaped;
// commas and indentation follow from the nesting.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hueloom::skincheck {

// The JSON string literal of UTF-8 text, quotes included: '"' and '\' escaped, control
// characters as \n, \r, \t, \b, \f or \u00XX.
[[nodiscard]] std::string jsonString(std::string_view utf8);

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The name of the next member of the current object.
    JsonWriter& key(std::string_view name);
    JsonWriter& string(std::string_view utf8);
    JsonWriter& number(int64_t value);
    // Already formatted number text, such as "4.48".
    JsonWriter& numberText(std::string_view text);
    JsonWriter& boolean(bool value);
    JsonWriter& null();

    // The document so far, ending with a line end once the outermost value is closed.
    [[nodiscard]] const std::string& text() const { return out_; }

private:
    void beginValue();
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);
    void newLine();

    std::string out_;
    std::vector<bool> hasMembers_;  // per open object or array
    bool afterKey_ = false;
};

} // namespace hueloom::skincheck
