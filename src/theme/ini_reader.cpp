#include "theme/ini_reader.h"

#include <algorithm>
#include <unordered_map>

#include "common/text.h"

namespace hueloom {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

void appendCodePoint(std::wstring& out, char32_t code) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (code >> 10));
            out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(code);
}


// Without a decoder, bytes stand for the code points 0..255 (Latin-1).
std::wstring decodeLatin1(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char byte : bytes) out += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return out;
}

// Builds the document line by line; repeated sections merge into their first occurrence.
class DocumentBuilder {
public:
    explicit DocumentBuilder(std::vector<IniSection>& sections) : sections_(sections) {}

    void addLine(std::wstring_view line, int number) {
        line.remove_prefix(std::min(line.find_first_not_of(kSpacesAndTabs), line.size()));
        if (line.empty() || line.front() == L';') return;
        if (line.front() == L'[') {
            // The name runs to the first "]" or to the end of the line.
            const size_t close = line.find(L']');
            openSection(line.substr(1, close == std::wstring_view::npos ? close : close - 1), number);
            return;
        }
        const size_t equals = line.find(L'=');
        IniEntry entry;
        entry.key = std::wstring(trimmed(line.substr(0, equals), kSpacesAndTabs));
        if (equals != std::wstring_view::npos) entry.value = std::wstring(trimmed(line.substr(equals + 1), kSpacesAndTabs));
        entry.line = number;
        if (current_ == kNone) {
            ++outside_;
            return;
        }
        sections_[current_].entries.push_back(std::move(entry));
    }

    [[nodiscard]] size_t outside() const { return outside_; }

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    void openSection(std::wstring_view name, int number) {
        const auto [it, added] = index_.try_emplace(lowerCase(name), sections_.size());
        if (added) {
            IniSection section;
            section.name = std::wstring(name);
            section.line = number;
            sections_.push_back(std::move(section));
        }
        current_ = it->second;
    }

    std::vector<IniSection>& sections_;
    std::unordered_map<std::wstring, size_t> index_;
    size_t current_ = kNone;
    size_t outside_ = 0;
};

} // namespace

std::wstring decodeUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    size_t i = 0;
    const size_t n = bytes.size();
    const auto byteAt = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
    while (i < n) {
        const unsigned char lead = byteAt(i);
        if (lead < 0x80) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        // Length and the allowed range of the first continuation byte, which excludes
        // overlong forms, surrogates and code points above U+10FFFF.
        size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        char32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1F;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, code = lead & 0x0F;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        }
        if (length == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        // A broken sequence is replaced as a whole up to the first byte that does not fit,
        // which is then read afresh.
        size_t used = 1;
        bool complete = true;
        for (; used < length; ++used) {
            if (i + used >= n) { complete = false; break; }
            const unsigned char next = byteAt(i + used);
            const unsigned char min = used == 1 ? low : 0x80;
            const unsigned char max = used == 1 ? high : 0xBF;
            if (next < min || next > max) { complete = false; break; }
            code = (code << 6) | (next & 0x3F);
        }
        if (complete) appendCodePoint(out, code);
        else out += kReplacement;
        i += used;
    }
    return out;
}

IniDocument IniDocument::parse(std::string_view bytes, AnsiDecoder decodeAnsi) {
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::wstring text;
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text = decodeUtf8(bytes.substr(kByteOrderMark.size()));
    else
        text = decodeAnsi ? decodeAnsi(bytes) : decodeLatin1(bytes);

    IniDocument document;
    DocumentBuilder builder(document.sections_);
    const std::wstring_view all(text);
    size_t start = 0;
    int number = 0;
    while (start < all.size()) {
        size_t end = all.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) end = all.size();
        if (number < INT32_MAX) ++number;
        builder.addLine(all.substr(start, end - start), number);
        // CR LF is one line end; CR and LF alone are one each.
        if (end < all.size() && all[end] == L'\r' && end + 1 < all.size() && all[end + 1] == L'\n') ++end;
        start = end + 1;
    }
    document.outside_ = builder.outside();
    return document;
}

const IniSection* IniDocument::section(std::wstring_view name) const {
    for (const IniSection& candidate : sections_)
        if (equalsIgnoreCase(candidate.name, name)) return &candidate;
    return nullptr;
}

std::optional<std::wstring> IniDocument::read(std::wstring_view sectionName,
                                              std::wstring_view key) const {
    const IniSection* found = section(sectionName);
    if (!found) return std::nullopt;
    for (const IniEntry& entry : found->entries)
        if (equalsIgnoreCase(entry.key, key)) return entry.value;
    return std::nullopt;
}

std::wstring IniDocument::readOr(std::wstring_view sectionName, std::wstring_view key,
                                 std::wstring_view fallback) const {
    std::optional<std::wstring> value = read(sectionName, key);
    return value ? std::move(*value) : std::wstring(fallback);
}

} // namespace hueloom
