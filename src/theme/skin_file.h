#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace hueloom {

// The Apply action: reads a skin file, sets the whole theme, exports its "Objects" entries
// and runs the optional subroutine.
int32_t applySkinFile(const std::wstring& path, const std::wstring& subroutine);

// The skin's name when the file gives none: the file name without folder and extension.
[[nodiscard]] std::wstring skinNameFromPath(std::wstring_view path);

} // namespace hueloom
