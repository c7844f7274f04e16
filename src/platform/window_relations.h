#pragma once
// Questions about windows that several folders ask.
#include <windows.h>

namespace hueloom {

// True when both are live and `upper` stands above `lower` among its siblings, found
// within 512 steps.
[[nodiscard]] bool isWindowAbove(HWND lower, HWND upper);
// The window's own WS_VISIBLE bit, whatever its parents show.
[[nodiscard]] bool hasVisibleStyle(HWND window);
// Whether `owner` is reached from `window` along GW_OWNER within 16 steps.
[[nodiscard]] bool isOwnedBy(HWND window, HWND owner);

} // namespace hueloom
