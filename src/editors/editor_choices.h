#pragma once
// What the editors show first and what they write back. Pure: no window calls.
#include <string>
#include <string_view>

#include "theme/color.h"

namespace hueloom {

enum class EditorMode { Dark, Light, System };

// "light" and "system" (any case, surrounding spaces) pick those modes; every other
// word, the empty text included, picks Dark.
[[nodiscard]] EditorMode preselectedMode(std::wstring_view parameter);
// The word written back for a chosen mode: "Dark", "Light" or "System".
[[nodiscard]] const wchar_t* modeWord(EditorMode mode) noexcept;

// The colour the picker starts from for colour number `position` (from 1): the parameter's
// colour when it parses, otherwise light grey for the second colour (a text colour) and
// near-black for the others.
[[nodiscard]] Color startingColor(std::wstring_view parameter, int position) noexcept;

// The open-file dialog's filter: "Description|pattern|..." becomes the double-zero-terminated
// list the system expects.
[[nodiscard]] std::wstring openFileFilter(std::wstring_view pipeSeparated);

} // namespace hueloom
