#include "skin_check/json_writer.h"

namespace hueloom::skincheck {

std::string jsonString(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::newLine() {
    out_ += '\n';
    out_.append(hasMembers_.size() * 2, ' ');
}

void JsonWriter::beginValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasMembers_.empty()) return;
    if (hasMembers_.back()) out_ += ',';
    hasMembers_.back() = true;
    newLine();
}

JsonWriter& JsonWriter::open(char bracket) {
    beginValue();
    out_ += bracket;
    hasMembers_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
    const bool any = !hasMembers_.empty() && hasMembers_.back();
    if (!hasMembers_.empty()) hasMembers_.pop_back();
    if (any) newLine();
    out_ += bracket;
    if (hasMembers_.empty()) out_ += '\n';
    return *this;
}

JsonWriter& JsonWriter::beginObject() { return open('{'); }
JsonWriter& JsonWriter::endObject() { return close('}'); }
JsonWriter& JsonWriter::beginArray() { return open('['); }
JsonWriter& JsonWriter::endArray() { return close(']'); }

JsonWriter& JsonWriter::key(std::string_view name) {
    beginValue();
    out_ += jsonString(name);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view utf8) {
    beginValue();
    out_ += jsonString(utf8);
    return *this;
}

JsonWriter& JsonWriter::number(int64_t value) { return numberText(std::to_string(value)); }

JsonWriter& JsonWriter::numberText(std::string_view text) {
    beginValue();
    out_ += text;
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) { return numberText(value ? "true" : "false"); }
JsonWriter& JsonWriter::null() { return numberText("null"); }

} // namespace hueloom::skincheck
