#include "engine/glyph_button.h"

#include "engine/button_redraws.h"
#include "engine/registry.h"
#include "paint/glyph_painter.h"
#include "paint/paint_geometry.h"
#include "paint/paint_styles.h"
#include "paint/theme_brushes.h"
#include "platform/gdi.h"
#include "platform/process_lifetime.h"
#include "platform/subclass.h"
#include "platform/system_functions.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kCaptionBufferChars = 512;

bool ownerDrawingInForce() noexcept {
    const ThemeState& theme = currentTheme();
    return theme.glyphs && theme.active && !shuttingDown() && themeBrushes().page;
}

bool isRadioType(LONG style) noexcept {
    const LONG type = style & 0xF;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

struct ButtonLook {
    GlyphState glyph;
    bool multiline = false;
    bool focused = false;
};

ButtonLook readButtonLook(HWND button) {
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    ButtonLook look;
    look.glyph.radio = isRadioType(style);
    const LRESULT check = SendMessageW(button, BM_GETCHECK, 0, 0);
    look.glyph.check = check == BST_CHECKED         ? CheckState::Checked
                       : check == BST_INDETERMINATE ? CheckState::Indeterminate
                                                    : CheckState::Unchecked;
    look.glyph.enabled = IsWindowEnabled(button) != FALSE;
    look.glyph.hot = hoveredGlyphButton() == button;
    look.multiline = (style & BS_MULTILINE) != 0;
    look.focused = GetFocus() == button;
    return look;
}

void paintCaption(HWND button, HDC dc, const ButtonLook& look, Color textColor, const RECT& client,
                  int textLeft) {
    wchar_t caption[kCaptionBufferChars];
    const int length = GetWindowTextW(button, caption, kCaptionBufferChars);
    if (length <= 0) return;

    const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
    const SelectGuard fontGuard(dc, font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, textColor);

    RECT textRect{textLeft, client.top, client.right - 1, client.bottom};
    const UINT format = look.multiline ? (DT_WORDBREAK | DT_NOPREFIX)
                                       : (DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    DrawTextW(dc, caption, length, &textRect, format);

    if (look.focused && look.glyph.enabled) {
        RECT focus = textRect;
        DrawTextW(dc, caption, length, &focus, format | DT_CALCRECT);
        focus.left -= 1;
        focus.right += 2;
        if (!look.multiline) {
            const int textHeight = focus.bottom - focus.top;
            focus.top = client.top + (client.bottom - client.top - textHeight) / 2 - 1;
            focus.bottom = focus.top + textHeight + 2;
        }
        DrawFocusRect(dc, &focus);
    }
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

} // namespace

bool installGlyphSubclass(HWND button) {
    return installRecordedSubclass(windowRegistry().glyphSubclassed, button, glyphSubclassProc,
                                   SubclassId::Glyph);
}

LRESULT CALLBACK glyphSubclassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR) {
    if (shuttingDown()) return defaultSubclassProcessing(button, message, wParam, lParam);

    if (buttonDrawsItselfOn(message) && ownerDrawingInForce()) {
        // The button paints these changes itself, straight into its window, in the stock
        // look: have them painted over at the next paint.
        const LRESULT result = defaultSubclassProcessing(button, message, wParam, lParam);
        InvalidateRect(button, nullptr, FALSE);
        return result;
    }
    switch (message) {
    case WM_PAINT:
        if (ownerDrawingInForce()) {
            PAINTSTRUCT ps;
            if (HDC dc = BeginPaint(button, &ps)) paintGlyphButton(button, dc);
            EndPaint(button, &ps);
            return 0;
        }
        break;
    case WM_PRINTCLIENT:
        if (ownerDrawingInForce() && wParam) {
            paintGlyphButton(button, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (ownerDrawingInForce()) return 1;
        break;
    case WM_MOUSEMOVE:
        if (ownerDrawingInForce() && hoveredGlyphButton() != button) {
            // Moving straight from another glyph button: that one is no longer hot either.
            const HWND previous = hoveredGlyphButton();
            setHoveredGlyphButton(button);
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, button, 0};
            TrackMouseEvent(&track);
            InvalidateRect(button, nullptr, FALSE);
            if (previous && IsWindow(previous)) InvalidateRect(previous, nullptr, FALSE);
        }
        break;
    case WM_MOUSELEAVE:
        if (hoveredGlyphButton() == button) {
            setHoveredGlyphButton(nullptr);
            InvalidateRect(button, nullptr, FALSE);
        }
        break;
    case WM_NCDESTROY:
        if (auto removeWindowSubclass = systemFunctions().removeWindowSubclass)
            removeWindowSubclass(button, glyphSubclassProc, subclassId);
        windowRegistry().glyphSubclassed.erase(button);
        if (hoveredGlyphButton() == button) setHoveredGlyphButton(nullptr);
        break;
    default:
        break;
    }
    return defaultSubclassProcessing(button, message, wParam, lParam);
}

void paintGlyphButton(HWND button, HDC dc) {
    const ThemeState& theme = currentTheme();
    RECT client{};
    GetClientRect(button, &client);
    if (const HBRUSH page = themeBrushes().page) FillRect(dc, &client, page);

    const ButtonLook look = readButtonLook(button);
    const GlyphGeometry g = glyphGeometry(dcDpi(dc));
    const GlyphStyle style = buttonGlyphStyle(theme, dcDpi(dc));
    const int x0 = client.left + 1;
    const int y0 = client.top + (client.bottom - client.top - g.box) / 2;

    paintGlyph(dc, {x0, y0, x0 + g.box, y0 + g.box}, look.glyph, theme, style);
    paintCaption(button, dc, look, glyphColors(look.glyph, theme, style).text, client, x0 + g.box + g.gap);
}

} // namespace hueloom
