#include "platform/ansi_text.h"

namespace hueloom {

std::wstring decodeAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    // The host's texts are bounded to far less; the cap keeps the length an int.
    const int length = static_cast<int>(bytes.size() > 0x7FFFFFF ? 0x7FFFFFF : bytes.size());
    const int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (chars <= 0) return {};
    std::wstring text(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), chars);
    return text;
}

} // namespace hueloom
