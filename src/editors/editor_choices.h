#pragma once
// What the editors show first and what they write back. Pure: no window calls.
#include <string>
#include <string_view>

#include "theme/color.h"
#include "theme/mode.h"

namespace hueloom {

// The mode SetMode would take from the parameter; a word it refuses, and the empty text
// (which SetMode reads as System), preselect Dark. The editor writes back modeName(), and
// handles "Auto" itself.
[[nodiscard]] Mode preselectedMode(std::wstring_view parameter);

// The colour the picker starts from for colour number `position` (from 1): the parameter's
// colour when it parses, otherwise light grey for the second colour (a text colour) and
// near-black for the others.
[[nodiscard]] Color startingColor(std::wstring_view parameter, int position) noexcept;

// The open-file dialog's filter: "Description|pattern|..." becomes the double-zero-terminated
// list the system expects.
[[nodiscard]] std::wstring openFileFilter(std::wstring_view pipeSeparated);

} // namespace hueloom
