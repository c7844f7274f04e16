#pragma once
// The remark that answers of the look-changing actions carry while Windows' high contrast
// is on: the author's theme then stands against the user's own colours.
#include <string>
#include <string_view>

#include "actions/action_result.h"

namespace hueloom {

inline constexpr wchar_t kHighContrastOwnColorsRemark[] =
    L"high contrast is on: the theme's colors are shown instead of the user's high-contrast colors";
inline constexpr wchar_t kHighContrastAutoRemark[] =
    L"high contrast is on: Auto shows the stock Windows look until it is turned off";

// "OK" becomes "OK - remark"; an answer with a remark of its own gets "; remark" added.
[[nodiscard]] std::wstring withRemark(std::wstring_view answer, std::wstring_view remark);

// A successful answer with the remark that fits the theme, when high contrast is on.
[[nodiscard]] ActionResult withHighContrastRemark(ActionResult result);

} // namespace hueloom
