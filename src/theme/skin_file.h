#pragma once
// Loading a skin file: its bytes, decoded, read into settings. Nothing in the theme or on
// any window changes here.
#include <optional>
#include <string>

#include "theme/skin_settings.h"

namespace hueloom {

enum class SkinLoadOutcome { Loaded, NotFound, CannotOpen };

struct SkinLoad {
    SkinLoadOutcome outcome = SkinLoadOutcome::NotFound;
    std::optional<SkinSettings> settings;  // set when Loaded
};

// Never throws: a file that exhausts memory while it is read counts as one that cannot be
// opened.
[[nodiscard]] SkinLoad loadSkinFile(const std::wstring& path) noexcept;

} // namespace hueloom
