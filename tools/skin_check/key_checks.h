#pragma once
// The entries of a skin that Apply ignores, falls back on a default for, or reads
// differently from what the author most likely meant.
#include <string>
#include <string_view>
#include <vector>

#include "skin_check/finding.h"
#include "theme/ini_reader.h"
#include "theme/skin_settings.h"

namespace hueloom::skincheck {

struct OutsideEntry {
    int line = 0;
    std::wstring key;
};

// Entries that stand before the first section of the decoded text: they belong to no
// section, so Apply never reads them. Lines are counted as the INI reader counts them.
[[nodiscard]] std::vector<OutsideEntry> entriesBeforeFirstSection(std::wstring_view text);

// `settings` is what the same document gives (readSkinSettings); `text` is its decoded
// text, for the entries outside every section.
[[nodiscard]] std::vector<Finding> checkSkinKeys(const IniDocument& skin, std::wstring_view text,
                                                 const SkinSettings& settings);

} // namespace hueloom::skincheck
