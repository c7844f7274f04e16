#include "paint/solid_drawing.h"

#include "platform/gdi.h"

namespace hueloom {

void fillSolid(HDC dc, const RECT& rect, Color color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    const Brush brush = solidBrush(color);
    FillRect(dc, &rect, brush.get());
}

void frameSolid(HDC dc, const RECT& rect, Color color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    const Brush brush = solidBrush(color);
    FrameRect(dc, &rect, brush.get());
}

void drawPlainText(HDC dc, std::wstring_view text, RECT rect, Color color, UINT format) {
    if (text.empty()) return;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, color);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

int lineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc, &metrics)) return 0;
    return metrics.tmHeight;
}

} // namespace hueloom
