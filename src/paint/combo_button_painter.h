#pragma once
// The drop button and frame of combo boxes in the theme's colours, for builds that have no
// native dark theme to draw them. The field inside takes its colours from the colour
// messages.
#include <windows.h>

#include "paint/face_colors.h"
#include "theme/theme_state.h"

namespace hueloom {

// The frame fills the `edge` pixels round the client area: a border in the contrast shade of
// the page (the disabled blend when disabled), the rest in the control colour. The button
// is an unframed arrow button with a down arrow.
void paintComboButton(HDC dc, const RECT& client, const RECT& button, int edge, const FaceState& state,
                      const ThemeState& theme, int dpi);

} // namespace hueloom
