#pragma once
// The checker's window for authors: the report in a read-only, fixed-width text box that
// grows with the window, a status line, "Save report" and "Close".
#include <windows.h>

#include "skin_check/window_report.h"

namespace hueloom::skincheck {

// Child window identifiers, for keyboard handling and tests.
inline constexpr int kReportTextId = 100;
inline constexpr int kSaveButtonId = 101;
inline constexpr int kStatusLineId = 102;
inline constexpr int kCloseButtonId = IDCANCEL;  // Esc closes too

// Creates and shows the window; null when it cannot be made. The window owns its copy of
// the report and frees everything when it is destroyed.
[[nodiscard]] HWND openReportWindow(WindowReport report);

// Runs the thread's messages until the window is gone.
void runUntilClosed(HWND window);

} // namespace hueloom::skincheck
