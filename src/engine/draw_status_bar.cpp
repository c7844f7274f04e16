// Status bars: the strip, each part's text and divider, the size grip. Parts the owner
// draws are handed to the owner as the system would.
#include <memory>
#include <new>

#include "engine/drawn_controls.h"
#include "paint/status_bar_painter.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kMaxParts = 256;
constexpr int kTextCapacity = 512;
constexpr WPARAM kSimplePart = SB_SIMPLEID;

void drawPart(HWND bar, HDC dc, WPARAM part, const RECT& rect, bool enabled, const Surface& surface, int dpi) {
    const LRESULT lengthAndType = SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0);
    const auto length = static_cast<size_t>(LOWORD(lengthAndType));
    if (HIWORD(lengthAndType) & SBT_OWNERDRAW) {
        const auto data = static_cast<ULONG_PTR>(SendMessageW(bar, SB_GETTEXTW, part, 0));
        askOwnerToDraw(bar, dc, 0, static_cast<int>(part), rect, data, false);
        return;
    }
    if (length == 0) return;
    // SB_GETTEXT takes no buffer size: a text longer than the stack buffer gets one of its
    // own size, at most 64K characters; without the memory the part stays empty.
    wchar_t stackText[kTextCapacity];
    std::unique_ptr<wchar_t[]> longText;
    wchar_t* text = stackText;
    if (length >= kTextCapacity) {
        longText.reset(new (std::nothrow) wchar_t[length + 1]);
        if (!longText) return;
        text = longText.get();
    }
    text[0] = L'\0';
    const auto copied = static_cast<size_t>(LOWORD(SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text))));
    paintStatusText(dc, rect, std::wstring_view(text, copied < length ? copied : length), enabled, surface, dpi);
}

} // namespace

void drawStatusBar(HWND bar, HDC dc) {
    const Surface surface = pageSurface(currentTheme());
    const int dpi = dcDpi(dc);
    RECT client{};
    GetClientRect(bar, &client);
    paintStatusStrip(dc, client, surface);
    const bool enabled = IsWindowEnabled(bar) != FALSE;

    if (SendMessageW(bar, SB_ISSIMPLE, 0, 0)) {
        // Some status bars answer for the simple text under its own id, others as part 0.
        const bool ownId = SendMessageW(bar, SB_GETTEXTLENGTHW, kSimplePart, 0) != 0;
        drawPart(bar, dc, ownId ? kSimplePart : 0, client, enabled, surface, dpi);
    } else {
        int rightEdges[kMaxParts];
        const auto parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, kMaxParts, reinterpret_cast<LPARAM>(rightEdges)));
        for (int part = 0; part < parts && part < kMaxParts; ++part) {
            RECT rect{};
            if (!SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&rect))) continue;
            drawPart(bar, dc, static_cast<WPARAM>(part), rect, enabled, surface, dpi);
            if (part + 1 < parts) paintStatusDivider(dc, rect, surface, dpi);
        }
    }
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    const HWND parent = GetParent(bar);
    if ((style & SBARS_SIZEGRIP) && !(parent && IsZoomed(parent))) paintSizeGrip(dc, client, surface, dpi);
}

} // namespace hueloom
