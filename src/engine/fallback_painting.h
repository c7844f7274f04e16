#pragma once
// The standard controls that the plug-in draws itself where the system has no dark theme
// for them (push buttons, up-downs, standalone scroll bars, combo-box drop buttons): when
// they are drawn, installing their subclasses, the paint messages they share, and undoing
// it all together with the menu-bar and message-box theming.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "engine/control_kind.h"
#include "platform/subclass.h"

namespace hueloom {

// A theme with colours is in force: Dark, Light, custom colours or a skin.
[[nodiscard]] bool themeColorsInForce() noexcept;
// Colours in force and no native dark theme to draw the controls: the plug-in draws them.
[[nodiscard]] bool fallbackPaintingInForce();

// Called for every themed control: the subclass that draws a control of `kind`, if the
// plug-in draws such controls now and can draw this one (a push button with an image, a
// size box or a simple combo box is left to the system).
// False when the system refused the subclass (tried again on a later pass).
[[nodiscard]] bool installFallbackPainter(HWND window, ControlKind kind);
// A drawing subclass's WM_NCDESTROY: the subclass off, the window forgotten.
void forgetFallbackPainter(HWND window, SUBCLASSPROC procedure, SubclassId id);

// Reset and System mode: every drawing subclass off and its control repainted in the
// stock look; the menu bars and message boxes back to the system too.
void removeFallbackPainters();

// WM_PAINT and WM_PRINTCLIENT painted by `paint` over the whole client area, and
// WM_ERASEBKGND swallowed since the paint covers it. Nothing for other messages.
using ControlPainter = void (*)(HWND window, HDC dc);
[[nodiscard]] std::optional<LRESULT> paintWholeControl(HWND window, UINT message, WPARAM wParam,
                                                       ControlPainter paint);

// A message that the control answers by drawing straight into its window in the stock
// look: passed on, then painted over at once.
LRESULT passOnThenRepaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A question to the control from inside its drawing subclass: straight to the procedures
// below, without a second trip through the subclass machinery (tens of microseconds a
// message under Wine).
LRESULT askControl(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

} // namespace hueloom
