#include "actions/high_contrast_remark.h"

#include "engine/settings_watch.h"
#include "theme/theme_state.h"

namespace hueloom {

std::wstring withRemark(std::wstring_view answer, std::wstring_view remark) {
    std::wstring text(answer);
    text += answer == L"OK" ? L" - " : L"; ";
    text += remark;
    return text;
}

ActionResult withHighContrastRemark(ActionResult result) {
    if (result.code != 1 || !currentWindowsSettings().highContrast) return result;
    const wchar_t* remark = currentTheme().followsWindows ? kHighContrastAutoRemark : kHighContrastOwnColorsRemark;
    result.lastError = withRemark(result.lastError, remark);
    return result;
}

} // namespace hueloom
