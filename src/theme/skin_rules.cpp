#include "theme/skin_rules.h"

namespace hueloom {

std::wstring skinNameFromPath(std::wstring_view path) {
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring_view name = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
    // "skin.ini" loses its extension; ".ini", "skin." and "a.b c" keep theirs, since
    // what follows the dot is then no extension.
    const size_t dot = name.rfind(L'.');
    if (dot == std::wstring_view::npos || dot == 0) return std::wstring(name);
    const std::wstring_view extension = name.substr(dot + 1);
    if (extension.empty() || extension.find(L' ') != std::wstring_view::npos) return std::wstring(name);
    return std::wstring(name.substr(0, dot));
}

} // namespace hueloom
