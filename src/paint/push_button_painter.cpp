#include "paint/push_button_painter.h"

#include "paint/solid_drawing.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {

constexpr int kCaptionPadding = 3;  // between border and caption, at 96 DPI
constexpr int kFocusGap = 1;        // between border and focus rectangle, at 96 DPI

void drawCaption(HDC dc, RECT area, std::wstring_view caption, const CaptionLayout& layout, Color color) {
    if (caption.empty()) return;
    const int length = static_cast<int>(caption.size());
    UINT format = layout.horizontal | (layout.hidePrefix ? DT_HIDEPREFIX : 0);
    if (layout.multiline) {
        format |= DT_WORDBREAK;
        // DrawText centres only single lines vertically: measure, then place the block.
        RECT measured = area;
        DrawTextW(dc, caption.data(), length, &measured, format | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        const int room = area.bottom - area.top;
        if (layout.vertical == VerticalAlign::Centre) area.top += (room - height) / 2;
        else if (layout.vertical == VerticalAlign::Bottom) area.top = area.bottom - height;
    } else {
        format |= DT_SINGLELINE | (layout.vertical == VerticalAlign::Top      ? DT_TOP
                                   : layout.vertical == VerticalAlign::Bottom ? DT_BOTTOM
                                                                               : DT_VCENTER);
    }
    drawPlainText(dc, caption, area, color, format);
}

} // namespace

PushButtonColors pushButtonColors(const PushButtonLook& look, const ThemeState& theme) noexcept {
    const Surface surface = controlSurface(theme);
    PushButtonColors colors;
    colors.face = pressableShade(surface, look.state, surface.face);
    colors.text = pressableText(surface, look.state);
    if (!look.state.enabled) colors.border = surface.disabledText;
    else if (look.isDefault) colors.border = theme.accent;
    else colors.border = surface.frame;
    return colors;
}

int pushButtonBorderWidth(const PushButtonLook& look, int dpi) noexcept {
    const int width = faceBorderWidth(dpi);
    return look.isDefault && look.state.enabled ? 2 * width : width;
}

void paintPushButton(HDC dc, const RECT& client, const PushButtonLook& look, std::wstring_view caption,
                     HFONT font, const ThemeState& theme, int dpi) {
    const PushButtonColors colors = pushButtonColors(look, theme);
    const int border = pushButtonBorderWidth(look, dpi);
    paintFace(dc, client, colors.face, colors.border, border);

    RECT textArea = client;
    const int inset = border + scaleForDpi(kCaptionPadding, dpi);
    InflateRect(&textArea, -inset, -inset);
    {
        const SelectGuard fontGuard(dc, font);
        drawCaption(dc, textArea, caption, look.caption, colors.text);
    }

    if (look.focused && look.state.enabled) {
        RECT focus = client;
        const int focusInset = border + scaleForDpi(kFocusGap, dpi);
        InflateRect(&focus, -focusInset, -focusInset);
        const COLORREF oldText = SetTextColor(dc, colors.text);
        const COLORREF oldBack = SetBkColor(dc, colors.face);
        DrawFocusRect(dc, &focus);
        SetBkColor(dc, oldBack);
        SetTextColor(dc, oldText);
    }
}

} // namespace hueloom
