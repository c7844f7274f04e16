#include "paint/combo_button_painter.h"

#include "paint/face_painter.h"
#include "platform/gdi.h"

namespace hueloom {

void paintComboButton(HDC dc, const RECT& client, const RECT& item, const RECT& button, const FaceState& state,
                      const ThemeState& theme, int dpi) {
    const Surface surface = controlSurface(theme);
    const Color border = state.enabled ? surface.frame : surface.disabledText;
    // The field is the combo box's own drawing (or its edit's): clipped out, then restored.
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, item.left, item.top, item.right, item.bottom);
    paintFace(dc, client, surface.back, border, faceBorderWidth(dpi));
    RestoreDC(dc, saved);
    if (button.right > button.left && button.bottom > button.top)
        paintArrowButton(dc, button, ArrowDirection::Down, state, theme, dpi, false);
}

} // namespace hueloom
