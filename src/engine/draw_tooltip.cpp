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
    // The tooltip answers WM_GETTEXT with the tip on show. Its margins and maximum width are
    // not asked: it has sized itself to the text, so the text fits, and wraps where it must.
    wchar_t text[kTipCapacity];
    const int length = GetWindowTextW(tip, text, kTipCapacity);
    const int padding = textPadding(dcDpi(dc)) / 2;
    const RECT area{client.left + padding, client.top + padding / 2, client.right - padding / 2, client.bottom};
    const bool noPrefix = (GetWindowLongW(tip, GWL_STYLE) & TTS_NOPREFIX) != 0;
    const UINT format = DT_WORDBREAK | (noPrefix ? DT_NOPREFIX : 0);
    paintToolTip(dc, client, std::wstring_view(text, length > 0 ? static_cast<size_t>(length) : 0), area, format,
                 controlSurface(currentTheme()));
}

} // namespace hueloom
