#include "engine/glyph_button.h"

#include <cstdint>

#include "engine/subclass_ids.h"
#include "overlay/overlay_geometry.h"
#include "platform/gdi.h"
#include "platform/system_functions.h"
#include "plugin/lifecycle.h"
#include "plugin/process_state.h"
#include "theme/color.h"

namespace hueloom {

namespace {

constexpr int kCaptionBufferChars = 512;

enum CheckState { Unchecked = 0, Checked = 1, Indeterminate = 2 };

bool ownerDrawingInForce() noexcept {
    const ProcessState& state = process();
    return state.theme.glyphs && state.theme.active && !state.shuttingDown && state.theme.pageBrush;
}

bool isRadioType(LONG style) noexcept {
    const LONG type = style & 0xF;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

struct ButtonLook {
    bool radio = false;
    bool multiline = false;
    int check = Unchecked;
    bool enabled = true;
    bool hot = false;
    bool focused = false;
};

ButtonLook readButtonLook(HWND button) {
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    ButtonLook look;
    look.radio = isRadioType(style);
    look.multiline = (style & BS_MULTILINE) != 0;
    look.check = static_cast<int>(SendMessageW(button, BM_GETCHECK, 0, 0));
    look.enabled = IsWindowEnabled(button) != FALSE;
    look.hot = process().hoverButton == button;
    look.focused = GetFocus() == button;
    return look;
}

struct GlyphColors {
    Color border;
    Color face;
    Color text;
    Color disabled;
};

GlyphColors glyphColors(const ButtonLook& look, const ThemeState& theme) noexcept {
    GlyphColors c;
    c.disabled = blendColors(theme.pageBack, theme.controlText, kDisabledBlendPercent);
    c.border = contrastShade(theme.pageBack);
    if (look.hot) c.border = theme.accent;
    if (!look.enabled) c.border = c.disabled;
    c.face = theme.controlBack;
    if (!look.radio && look.check == Checked) {
        c.face = look.enabled ? theme.accent : c.disabled;
        c.border = c.face;
    }
    c.text = look.enabled ? theme.controlText : c.disabled;
    return c;
}

void paintGlyphBox(HDC dc, const ButtonLook& look, const GlyphColors& colors, int x0, int y0,
                   const GlyphGeometry& g) {
    const ThemeState& theme = process().theme;
    const Pen borderPen = solidPen(colors.border);
    const Brush faceBrush = solidBrush(colors.face);
    const SelectGuard penGuard(dc, borderPen.get());
    const SelectGuard brushGuard(dc, faceBrush.get());

    if (look.radio) {
        Ellipse(dc, x0, y0, x0 + g.box, y0 + g.box);
        if (look.check != Unchecked) {
            const Color dot = look.enabled ? theme.accent : colors.disabled;
            const Pen dotPen = solidPen(dot);
            const Brush dotBrush = solidBrush(dot);
            const SelectGuard dotPenGuard(dc, dotPen.get());
            const SelectGuard dotBrushGuard(dc, dotBrush.get());
            Ellipse(dc, x0 + g.inset, y0 + g.inset, x0 + g.box - g.inset, y0 + g.box - g.inset);
        }
        return;
    }

    RoundRect(dc, x0, y0, x0 + g.box, y0 + g.box, g.inset, g.inset);
    if (look.check == Checked) {
        const Color mark = checkMarkColor(colors.face);
        const Pen markPen = solidPen(mark, g.markWidth);
        const SelectGuard markGuard(dc, markPen.get());
        CheckMark points = checkMark(x0, y0, g.box);
        Polyline(dc, points.points, 3);
    } else if (look.check == Indeterminate) {
        const Brush bar = solidBrush(theme.accent);
        const RECT barRect{x0 + g.inset, y0 + g.box / 2 - 1, x0 + g.box - g.inset, y0 + g.box / 2 + 1};
        FillRect(dc, &barRect, bar.get());
    }
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

    if (look.focused && look.enabled) {
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

GlyphGeometry glyphGeometry(int dpi) {
    if (dpi <= 0) dpi = 96;
    return {scaleForDpi(13, dpi), scaleForDpi(6, dpi), scaleForDpi(3, dpi), scaleForDpi(2, dpi)};
}

void installGlyphSubclass(HWND button) {
    ProcessState& state = process();
    if (!button || !state.system.setWindowSubclass) return;
    if (state.windows.glyphSubclassed.contains(button)) return;
    if (!IsWindow(button)) return;
    if (state.system.setWindowSubclass(button, glyphSubclassProc, kGlyphSubclassId, 0)) {
        state.windows.glyphSubclassed.set(button, 1);
        pinModule();
    }
}

LRESULT CALLBACK glyphSubclassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR) {
    ProcessState& state = process();
    if (state.shuttingDown) return defaultSubclassProcessing(button, message, wParam, lParam);

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
        if (ownerDrawingInForce() && state.hoverButton != button) {
            // Moving straight from another glyph button: that one is no longer hot either.
            const HWND previous = state.hoverButton;
            state.hoverButton = button;
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, button, 0};
            TrackMouseEvent(&track);
            InvalidateRect(button, nullptr, FALSE);
            if (previous && IsWindow(previous)) InvalidateRect(previous, nullptr, FALSE);
        }
        break;
    case WM_MOUSELEAVE:
        if (state.hoverButton == button) {
            state.hoverButton = nullptr;
            InvalidateRect(button, nullptr, FALSE);
        }
        break;
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
        if (ownerDrawingInForce()) {
            // The button paints these changes itself, straight into its window, in the
            // stock look: have them painted over at the next paint.
            const LRESULT result = defaultSubclassProcessing(button, message, wParam, lParam);
            InvalidateRect(button, nullptr, FALSE);
            return result;
        }
        break;
    case WM_NCDESTROY:
        if (state.system.removeWindowSubclass)
            state.system.removeWindowSubclass(button, glyphSubclassProc, subclassId);
        state.windows.glyphSubclassed.erase(button);
        if (state.hoverButton == button) state.hoverButton = nullptr;
        break;
    default:
        break;
    }
    return defaultSubclassProcessing(button, message, wParam, lParam);
}

void paintGlyphButton(HWND button, HDC dc) {
    const ThemeState& theme = process().theme;
    RECT client{};
    GetClientRect(button, &client);
    if (theme.pageBrush) FillRect(dc, &client, theme.pageBrush);

    const ButtonLook look = readButtonLook(button);
    const GlyphGeometry g = glyphGeometry(dcDpi(dc));
    const int x0 = client.left + 1;
    const int y0 = client.top + (client.bottom - client.top - g.box) / 2;
    const GlyphColors colors = glyphColors(look, theme);

    paintGlyphBox(dc, look, colors, x0, y0, g);
    paintCaption(button, dc, look, colors.text, client, x0 + g.box + g.gap);
}

} // namespace hueloom
