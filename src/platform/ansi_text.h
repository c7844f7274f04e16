#pragma once
// The system code page ("ANSI"): the plug-in's host texts and skin files without a
// byte-order mark are in it. The one decoder, shared with the skin checker.
#include <windows.h>

#include <string>
#include <string_view>

namespace hueloom {

// Empty for empty or undecodable bytes.
[[nodiscard]] std::wstring decodeAnsi(std::string_view bytes);

} // namespace hueloom
