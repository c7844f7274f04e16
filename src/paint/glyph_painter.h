#pragma once
// The one painter of check-box and radio-button glyphs, for the owner-drawn native buttons
// and for the overlays alike.
#include <windows.h>

#include "paint/paint_styles.h"
#include "theme/theme_state.h"

namespace hueloom {

enum class CheckState { Unchecked = 0, Checked = 1, Indeterminate = 2 };

struct GlyphState {
    bool radio = false;
    CheckState check = CheckState::Unchecked;
    bool enabled = true;
    bool hot = false;
};

// The colours of one glyph: a contrast border (the accent when hot), the control face, an
// accent face for a checked box, everything in the disabled blend when disabled.
struct GlyphColors {
    Color border;
    Color face;
    Color text;      // the caption beside the glyph
    Color disabled;
};
[[nodiscard]] GlyphColors glyphColors(const GlyphState& state, const ThemeState& theme,
                                      const GlyphStyle& style) noexcept;

// Draws the glyph in the square `box`. Every pen and brush is put back and deleted.
void paintGlyph(HDC dc, const RECT& box, const GlyphState& state, const ThemeState& theme,
                const GlyphStyle& style);

} // namespace hueloom
