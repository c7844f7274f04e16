// The one platform-bound piece of the checker's reading: what "the system code page"
// means for a skin without a byte-order mark.
#include "skin_check/unicode_text.h"

#ifdef _WIN32
#include "platform/ansi_text.h"
#endif

namespace hueloom::skincheck {

#ifdef _WIN32
// The plug-in's own decoder, so the checker reads a skin exactly as Apply does.
std::wstring decodeSystemCodePage(std::string_view bytes) { return decodeAnsi(bytes); }
#else
std::wstring decodeSystemCodePage(std::string_view bytes) { return decodeWindows1252(bytes); }
#endif

} // namespace hueloom::skincheck
