// The one platform-bound piece of the checker's reading: what "the system code page"
// means for a skin without a byte-order mark.
#include "skin_check/unicode_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace hueloom::skincheck {

#ifdef _WIN32
std::wstring decodeSystemCodePage(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (chars <= 0) return {};
    std::wstring text(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), chars);
    return text;
}
#else
std::wstring decodeSystemCodePage(std::string_view bytes) { return decodeWindows1252(bytes); }
#endif

} // namespace hueloom::skincheck
