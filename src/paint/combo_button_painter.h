#pragma once
// The drop button and frame of combo boxes in the theme's colours, for builds that have no
// native dark theme to draw them. The field inside takes its colours from the colour
// messages.
#include <windows.h>

#include "paint/face_painter.h"
#include "theme/theme_state.h"

namespace hueloom {

// A border round the client area in the control surface's frame colour (its disabled text
// when disabled), everything else but the field `item` and the `button` in the control
// colour, and the button a flat arrow button with a down arrow.
void paintComboButton(HDC dc, const RECT& client, const RECT& item, const RECT& button, const FaceState& state,
                      const ThemeState& theme, int dpi);

} // namespace hueloom
