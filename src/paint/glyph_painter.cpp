#include "paint/glyph_painter.h"

#include "paint/paint_colors.h"
#include "paint/paint_geometry.h"
#include "platform/gdi.h"

namespace hueloom {

GlyphColors glyphColors(const GlyphState& state, const ThemeState& theme, const GlyphStyle& style) noexcept {
    GlyphColors c;
    c.disabled = disabledColor(style.background, theme.controlText);
    c.border = state.hot ? theme.accent : contrastShade(style.background);
    if (!state.enabled) c.border = c.disabled;
    c.face = theme.controlBack;
    if (!state.radio && state.check == CheckState::Checked) {
        c.face = state.enabled ? theme.accent : c.disabled;
        c.border = c.face;
    }
    c.text = state.enabled ? theme.controlText : c.disabled;
    return c;
}

void paintGlyph(HDC dc, const RECT& box, const GlyphState& state, const ThemeState& theme,
                const GlyphStyle& style) {
    const GlyphColors colors = glyphColors(state, theme, style);
    const int size = box.right - box.left;
    if (style.surround) {
        const Brush surround = solidBrush(*style.surround);
        const RECT frame{box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
        FillRect(dc, &frame, surround.get());
    }

    const Pen borderPen = solidPen(colors.border);
    const Brush faceBrush = solidBrush(colors.face);
    const SelectGuard penGuard(dc, borderPen.get());
    const SelectGuard brushGuard(dc, faceBrush.get());

    if (state.radio) {
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
        if (state.check != CheckState::Unchecked) {
            const Color dot = state.enabled ? theme.accent : colors.disabled;
            const Pen dotPen = solidPen(dot);
            const Brush dotBrush = solidBrush(dot);
            const SelectGuard dotPenGuard(dc, dotPen.get());
            const SelectGuard dotBrushGuard(dc, dotBrush.get());
            Ellipse(dc, box.left + style.inset, box.top + style.inset, box.right - style.inset,
                    box.bottom - style.inset);
        }
        return;
    }

    RoundRect(dc, box.left, box.top, box.right, box.bottom, style.corner, style.corner);
    if (state.check == CheckState::Checked) {
        const Pen markPen = solidPen(checkMarkColor(colors.face), style.markWidth);
        const SelectGuard markGuard(dc, markPen.get());
        CheckMark mark = checkMark(box.left, box.top, size);
        Polyline(dc, mark.points, 3);
    } else if (state.check == CheckState::Indeterminate) {
        const Brush bar = solidBrush(theme.accent);
        const int middle = box.top + size / 2;
        const RECT barRect{box.left + style.inset, middle - 1, box.right - style.inset, middle + 1};
        FillRect(dc, &barRect, bar.get());
    }
}

} // namespace hueloom
