// Tooltips: the tip shown now, laid out as the tooltip lays it out.
#include "engine/drawn_controls.h"
#include "paint/control_geometry.h"
#include "paint/tooltip_painter.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {
constexpr int kTipCapacity = 1024;  // the tooltip keeps no longer text than this
}

void drawToolTip(HWND tip, HDC dc) {
    RECT client{};
    GetClientRect(tip, &client);
    // The tooltip answers WM_GETTEXT with the tip on show.
    wchar_t text[kTipCapacity];
    const int length = GetWindowTextW(tip, text, kTipCapacity);
    RECT margin{};
    SendMessageW(tip, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
    const int padding = textPadding(dcDpi(dc)) / 2;
    const RECT area{client.left + padding + margin.left, client.top + padding / 2 + margin.top,
                    client.right - padding - margin.right, client.bottom - padding / 2 - margin.bottom};
    // A maximum width makes it a tooltip of several lines.
    const bool multiline = static_cast<int>(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0)) >= 0;
    const bool noPrefix = (GetWindowLongW(tip, GWL_STYLE) & TTS_NOPREFIX) != 0;
    const UINT format = (noPrefix ? DT_NOPREFIX : 0) | (multiline ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    paintToolTip(dc, client, std::wstring_view(text, length > 0 ? static_cast<size_t>(length) : 0), area, format,
                 controlSurface(currentTheme()));
}

} // namespace hueloom
