#pragma once
// Reader for skin files in INI layout. Pure apart from the code-page decoder that the
// caller passes in, so it can be unit-tested and fuzzed on raw bytes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hueloom {

struct IniEntry {
    std::wstring key;     // letter case as written in the file
    std::wstring value;   // trimmed of spaces and tabs
    int line = 0;         // 1-based line number in the file
};

struct IniSection {
    std::wstring name;    // letter case of its first occurrence
    std::vector<IniEntry> entries;  // file order; sections repeated in the file are merged
    int line = 0;
};

// Turns bytes that carry no UTF-8 byte-order mark into wide text (the system code page
// on Windows).
using AnsiDecoder = std::wstring (*)(std::string_view bytes);

// Decodes UTF-8; malformed sequences become U+FFFD. Emits surrogate pairs where wchar_t
// is 16 bits wide.
std::wstring decodeUtf8(std::string_view bytes);

class IniDocument {
public:
    // Never fails: any bytes give a document (possibly without sections).
    static IniDocument parse(std::string_view bytes, AnsiDecoder decodeAnsi);

    // Sections and keys are matched without regard to letter case.
    [[nodiscard]] const IniSection* section(std::wstring_view name) const;
    // The first entry of that key in the section; nullopt when the section or key is absent
    // (an entry with an empty value is present and gives the empty text).
    [[nodiscard]] std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const;
    // The value, or `fallback` only when the key is absent.
    [[nodiscard]] std::wstring readOr(std::wstring_view section, std::wstring_view key,
                                      std::wstring_view fallback) const;

    [[nodiscard]] const std::vector<IniSection>& sections() const { return sections_; }
    // Entries that stand before the first section: they belong to no section.
    [[nodiscard]] size_t entriesOutsideSections() const { return outside_; }

private:
    std::vector<IniSection> sections_;
    size_t outside_ = 0;
};

} // namespace hueloom
