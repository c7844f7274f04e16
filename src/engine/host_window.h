#pragma once
// The host's main window, which the engine themes around, and the top-level windows that
// were there before the publication started.
#include <windows.h>

namespace hueloom {

[[nodiscard]] HWND hostWindow() noexcept;
void setHostWindow(HWND window) noexcept;

// Whether the host window is reached from `window` along GW_OWNER (at most 16 steps).
[[nodiscard]] bool isOwnedByHost(HWND window);

// Host message 1: every top-level window of the thread but the host's is recorded, so
// the theming pass leaves it alone unless the host window owns it.
void recordPreexistingWindows();
void forgetPreexistingWindows();
[[nodiscard]] bool isSkippedTopLevel(HWND window);

} // namespace hueloom
