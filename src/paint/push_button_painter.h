#pragma once
// Push buttons in the theme's colours: face, border, caption and focus, for builds that
// have no native dark theme to draw them.
#include <windows.h>

#include <string_view>

#include "paint/face_painter.h"
#include "theme/theme_state.h"

namespace hueloom {

enum class VerticalAlign { Top, Centre, Bottom };

struct CaptionLayout {
    UINT horizontal = DT_CENTER;  // DT_LEFT, DT_CENTER or DT_RIGHT
    VerticalAlign vertical = VerticalAlign::Centre;
    bool multiline = false;
    bool hidePrefix = false;  // mnemonic underlines hidden until the keyboard is used
};

struct PushButtonLook {
    FaceState state;
    bool isDefault = false;  // BS_DEFPUSHBUTTON: the Enter key presses it
    bool focused = false;    // with the focus cue shown
    CaptionLayout caption;
};

struct PushButtonColors {
    Color face;
    Color border;
    Color text;
};
// On the control surface: its raised face, shaded when hot and pressed; its frame as the
// border, the accent on an enabled default button, the disabled text on a disabled one.
[[nodiscard]] PushButtonColors pushButtonColors(const PushButtonLook& look, const ThemeState& theme) noexcept;
// The default button's border is twice the normal width.
[[nodiscard]] int pushButtonBorderWidth(const PushButtonLook& look, int dpi) noexcept;

// Paints the whole client area; `font` is borrowed (null: the DC's own).
void paintPushButton(HDC dc, const RECT& client, const PushButtonLook& look, std::wstring_view caption,
                     HFONT font, const ThemeState& theme, int dpi);

} // namespace hueloom
