#pragma once
// Text conversions of the checker: its output is UTF-8 on every system, and on Linux
// the bytes of a skin without a byte-order mark are read as Windows-1252, the ANSI code
// page of Western European Windows.
#include <string>
#include <string_view>

namespace hueloom::skincheck {

// Wide text (UTF-16 on Windows, UTF-32 on Linux) as UTF-8; an unpaired surrogate or a
// value beyond U+10FFFF becomes U+FFFD.
[[nodiscard]] std::string toUtf8(std::wstring_view text);

// Windows-1252; the five bytes it leaves undefined keep their own code points, as
// Windows' own conversion does.
[[nodiscard]] std::wstring decodeWindows1252(std::string_view bytes);

// The system code page of the platform: CP_ACP on Windows, Windows-1252 elsewhere.
[[nodiscard]] std::wstring decodeSystemCodePage(std::string_view bytes);

} // namespace hueloom::skincheck
