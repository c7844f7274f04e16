// The INI reader on raw bytes, with and without the UTF-8 byte-order mark: every key it
// enumerates can be found again, names and values come out trimmed, and no line end
// survives inside a name or value.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text.h"
#include "fuzz_input.h"
#include "theme/ini_reader.h"

using namespace hueloom;

namespace {

// Stand-in for the system code page on Linux: Latin-1.
std::wstring latin1(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) out.push_back(static_cast<wchar_t>(c));
    return out;
}

bool hasLineEnd(const std::wstring& text) {
    return text.find(L'\r') != std::wstring::npos || text.find(L'\n') != std::wstring::npos;
}

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

void checkDocument(const IniDocument& document) {
    for (const IniSection& section : document.sections()) {
        FUZZ_CHECK(!hasLineEnd(section.name));
        FUZZ_CHECK(section.name.find(L']') == std::wstring::npos);
        const IniSection* found = document.section(section.name);
        FUZZ_CHECK(found != nullptr);
        FUZZ_CHECK(equalsIgnoreCase(found->name, section.name));
        for (const IniEntry& entry : section.entries) {
            FUZZ_CHECK(!hasLineEnd(entry.key) && !hasLineEnd(entry.value));
            FUZZ_CHECK(entry.key.find(L'=') == std::wstring::npos);
            FUZZ_CHECK(entry.key.empty() || !isBlank(entry.key.back()));
            FUZZ_CHECK(entry.value.empty() || (!isBlank(entry.value.front()) && !isBlank(entry.value.back())));
            const auto value = document.read(section.name, entry.key);
            FUZZ_CHECK(value.has_value());
            // The reader answers with the first entry of that key in the section.
            for (const IniEntry& first : found->entries) {
                if (equalsIgnoreCase(first.key, entry.key)) {
                    FUZZ_CHECK(*value == first.value);
                    break;
                }
            }
            FUZZ_CHECK(document.readOr(section.name, entry.key, L"\x1F") == *value);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkDocument(IniDocument::parse(bytes, latin1));
    std::string withMark = "\xEF\xBB\xBF";
    withMark.append(bytes);
    checkDocument(IniDocument::parse(withMark, latin1));
    (void)decodeUtf8(bytes);
    return 0;
}
