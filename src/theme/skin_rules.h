#pragma once
// The pure rules of skin files beyond their keys: the name a skin gets when its file gives
// none. What a Mode word selects is readModeWord(word, ModeWords::Skin) in theme/mode.h.
#include <string>
#include <string_view>

namespace hueloom {

// The file name without folder and extension.
[[nodiscard]] std::wstring skinNameFromPath(std::wstring_view path);

} // namespace hueloom
