#pragma once
// The script actions that change the theme directly. Each reports in [Skin.LastError]
// and returns 1 on success, 0 on failure.
#include <cstdint>
#include <string>

namespace hueloom {

int32_t setMode(const std::wstring& text);
int32_t setColors(const std::wstring& back, const std::wstring& text, const std::wstring& page);
int32_t setAccent(const std::wstring& color, const std::wstring& glyphSwitch);
int32_t setTitleBar(const std::wstring& caption, const std::wstring& captionText);
// `report` false: the silent reset when the host closes (no variables, no message).
int32_t resetTheme(bool report);

} // namespace hueloom
