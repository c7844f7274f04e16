#include "engine/control_colors.h"

#include <commctrl.h>

#include <optional>

#include "engine/original_look.h"
#include "paint/surface_colors.h"
#include "platform/native_theme.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

// The three colour messages of each kind, get and set, in the order OriginalLook keeps them.
struct ColorMessages {
    UINT get[3];
    UINT set[3];
};
constexpr ColorMessages kListViewMessages{{LVM_GETBKCOLOR, LVM_GETTEXTCOLOR, LVM_GETTEXTBKCOLOR},
                                          {LVM_SETBKCOLOR, LVM_SETTEXTCOLOR, LVM_SETTEXTBKCOLOR}};
constexpr ColorMessages kTreeViewMessages{{TVM_GETBKCOLOR, TVM_GETTEXTCOLOR, TVM_GETLINECOLOR},
                                          {TVM_SETBKCOLOR, TVM_SETTEXTCOLOR, TVM_SETLINECOLOR}};

bool themeColorsInForce(const ThemeState& theme) noexcept { return theme.active && theme.mode != Mode::System; }

void setColors(HWND window, const ColorMessages& messages, const COLORREF (&colors)[3]) {
    // The list view takes its colours in lParam; the tree view too, with wParam 0.
    for (int i = 0; i < 3; ++i) SendMessageW(window, messages.set[i], 0, static_cast<LPARAM>(colors[i]));
}

void colorByMessages(HWND window, ControlKind kind, const ColorMessages& messages, const COLORREF (&colors)[3]) {
    if (!findOriginalLook(window)) {
        OriginalLook& look = originalLookOf(window, kind);
        for (int i = 0; i < 3; ++i)
            look.colors[i] = static_cast<COLORREF>(SendMessageW(window, messages.get[i], 0, 0));
    }
    setColors(window, messages, colors);
}

void restoreByMessages(HWND window, const ColorMessages& messages) {
    if (const OriginalLook* look = findOriginalLook(window)) setColors(window, messages, look->colors);
}

void colorRichEdit(HWND window, const ThemeState& theme) {
    OriginalLook& look = originalLookOf(window, ControlKind::RichEdit);
    const COLORREF previous = setRichEditBackground(window, theme.controlBack);
    if (!look.backgroundChanged) {
        look.background = previous;
        look.backgroundChanged = true;
    }
    if (!theme.articleText) return;
    if (!look.textChanged) {
        const std::optional<COLORREF> text = richEditTextColor(window);
        look.automaticText = !text.has_value();
        look.text = text.value_or(0);
        look.textChanged = true;
    }
    setRichEditTextColor(window, theme.controlText);
}

void restoreRichEdit(HWND window) {
    const OriginalLook* look = findOriginalLook(window);
    // A background equal to the system's was the system's, and follows it again.
    std::optional<COLORREF> background;
    if (look && look->backgroundChanged && look->background != GetSysColor(COLOR_WINDOW))
        background = look->background;
    setRichEditBackground(window, background);
    // The automatic colour again, not the last one set: light text on a white ground
    // would be unreadable.
    if (look && look->textChanged)
        setRichEditTextColor(window, look->automaticText ? std::nullopt : std::optional<COLORREF>(look->text));
}

} // namespace

void applyControlColors(HWND window, ControlKind kind) {
    const ThemeState& theme = currentTheme();
    const bool themed = themeColorsInForce(theme);
    switch (kind) {
    case ControlKind::ListView:
        if (themed) colorByMessages(window, kind, kListViewMessages, {theme.controlBack, theme.controlText, theme.controlBack});
        else restoreByMessages(window, kListViewMessages);
        break;
    case ControlKind::TreeView:
        if (themed) {
            const Surface surface = controlSurface(theme);
            colorByMessages(window, kind, kTreeViewMessages, {surface.back, surface.text, surface.frame});
        } else {
            restoreByMessages(window, kTreeViewMessages);
        }
        break;
    case ControlKind::RichEdit:
        if (themed) colorRichEdit(window, theme);
        else restoreRichEdit(window);
        break;
    default:
        break;
    }
}

} // namespace hueloom
