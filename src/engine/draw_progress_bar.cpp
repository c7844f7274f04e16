// Progress bars: the position in the range, or the marquee's block at this moment.
#include "engine/drawn_controls.h"
#include "paint/control_geometry.h"
#include "paint/progress_painter.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

double filledFraction(HWND bar) {
    PBRANGE range{};
    SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    const auto position = static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0));
    const double span = static_cast<double>(range.iHigh) - static_cast<double>(range.iLow);
    if (span <= 0) return 0;
    return (static_cast<double>(position) - static_cast<double>(range.iLow)) / span;
}

} // namespace

void drawProgressBar(HWND bar, HDC dc) {
    const ThemeState& theme = currentTheme();
    const Surface surface = controlSurface(theme);
    RECT client{};
    GetClientRect(bar, &client);
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    const bool vertical = (style & PBS_VERTICAL) != 0;
    const RECT track = progressTrack(client);
    // The marquee runs on the clock, so every repaint the control asks for moves it on.
    const RECT filled = (style & PBS_MARQUEE) ? marqueeBlock(track, vertical, GetTickCount(), dcDpi(dc))
                                              : progressFill(track, filledFraction(bar), vertical);
    const Color barColor = IsWindowEnabled(bar) ? theme.accent : surface.disabledText;
    paintProgress(dc, client, filled, barColor, surface);
}

} // namespace hueloom
