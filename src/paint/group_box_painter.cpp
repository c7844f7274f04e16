#include "paint/group_box_painter.h"

#include "paint/solid_drawing.h"
#include "platform/gdi.h"

namespace hueloom {

namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 2;  // open frame on either side of the caption
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

} // namespace

void paintGroupBox(HDC dc, const RECT& client, std::wstring_view caption, bool enabled, const Surface& surface,
                   int dpi) {
    if (dpi <= 0) dpi = 96;
    const int textHeight = lineHeight(dc);
    const RECT frame{client.left, client.top + textHeight / 2, client.right, client.bottom};
    const int indent = scaleForDpi(kCaptionIndent, dpi);
    const int gap = scaleForDpi(kCaptionGap, dpi);

    // The caption's place, which the frame's top line leaves open.
    RECT text{client.left + indent, client.top, client.right - indent, client.top + textHeight};
    int openLeft = frame.right, openRight = frame.right;
    if (!caption.empty() && text.right > text.left) {
        RECT measured = text;
        DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &measured, kCaptionFormat | DT_CALCRECT);
        if (measured.right < text.right) text.right = measured.right;
        openLeft = text.left - gap;
        openRight = text.right + gap;
    }
    fillSolid(dc, {frame.left, frame.top, openLeft, frame.top + 1}, surface.frame);
    fillSolid(dc, {openRight, frame.top, frame.right, frame.top + 1}, surface.frame);
    fillSolid(dc, {frame.left, frame.top, frame.left + 1, frame.bottom}, surface.frame);
    fillSolid(dc, {frame.right - 1, frame.top, frame.right, frame.bottom}, surface.frame);
    fillSolid(dc, {frame.left, frame.bottom - 1, frame.right, frame.bottom}, surface.frame);
    if (openLeft < openRight)
        drawPlainText(dc, caption, text, enabled ? surface.text : surface.disabledText, kCaptionFormat);
}

} // namespace hueloom
