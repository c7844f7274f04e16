#include "theme/ini_reader.h"
namespace hueloom {
std::wstring decodeUtf8(std::string_view) { return {}; }
IniDocument IniDocument::parse(std::string_view, AnsiDecoder) { return {}; }
const IniSection* IniDocument::section(std::wstring_view) const { return nullptr; }
std::optional<std::wstring> IniDocument::read(std::wstring_view, std::wstring_view) const { return std::nullopt; }
std::wstring IniDocument::readOr(std::wstring_view, std::wstring_view, std::wstring_view f) const { return std::wstring(f); }
}
