#pragma once
// Which native rendering each window gets in the current theme: the visual-style name per
// kind and mode, the immersive dark flags, title-bar attributes, the colours set by message
// (engine/control_colors.h), the owner-drawn glyph subclass for check boxes and radio
// buttons and the painters of the controls drawn by the plug-in (engine/control_painting.h).
// The calls themselves are platform/native_theme.h.
#include <windows.h>

#include "engine/control_kind.h"
#include "theme/mode.h"

namespace hueloom {

// The process-wide preference for the current mode.
void applyAppMode();
// Everything native for one window of `kind` in the current theme. False when the system
// refused part of it for lack of resources.
bool applyNativeTheme(HWND window, ControlKind kind);
// The title bar of a top-level window; remembered for Reset and for the next full pass.
void applyTitleBar(HWND window);

// The visual-style name for a kind in a mode ("" for the default theme).
[[nodiscard]] const wchar_t* themeNameFor(ControlKind kind, Mode mode) noexcept;

} // namespace hueloom
