#pragma once
// The pure rules of skin files: what a Mode word selects. The name a skin gets when its
// file gives none is `skinNameFromPath` in skin_file.h, defined beside these.
#include <string_view>

namespace hueloom {

// Words are compared trimmed of spaces and lower-cased. "system", "default" and "none"
// select the stock look; "light" selects Light; anything else, empty text included,
// selects Dark.
[[nodiscard]] bool isSystemSkinMode(std::wstring_view word);
[[nodiscard]] bool isLightSkinMode(std::wstring_view word);

} // namespace hueloom
