#include "overlay/overlay_paint.h"

#include <algorithm>

#include "overlay/bindings.h"
#include "overlay/overlay_geometry.h"
#include "platform/gdi.h"
#include "plugin/process_state.h"

namespace hueloom {

namespace {

constexpr int kMarkPenWidth = 2;
constexpr int kGlyphCorner = 3;
constexpr int kHotTrackBlendPercent = 20;
constexpr int kThumbEdgeBlendPercent = 15;

Color disabledColor(Color backColor) noexcept {
    return blendColors(backColor, process().theme.controlText, kDisabledBlendPercent);
}

void fillSolid(HDC dc, const RECT& rect, Color color) {
    const Brush brush = solidBrush(color);
    FillRect(dc, &rect, brush.get());
}

// RoundRect or Ellipse with a 1-pixel outline and a fill, each in its own colour.
void drawShape(HDC dc, Color outline, Color fill, const auto& draw) {
    const Pen pen = solidPen(outline);
    const Brush brush = solidBrush(fill);
    const SelectGuard penGuard(dc, pen.get());
    const SelectGuard brushGuard(dc, brush.get());
    draw();
}

} // namespace

LRESULT CALLBACK overlayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (dc && !process().shuttingDown) paintOverlay(window, dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (wParam && !process().shuttingDown) paintOverlay(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // every click belongs to the host object beneath
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void paintOverlay(HWND overlay, HDC dc) {
    const auto object = reinterpret_cast<HWND>(GetWindowLongPtrW(overlay, GWLP_USERDATA));
    OverlayBinding* binding = process().overlays.bindings.find(object);
    if (!binding) return;

    RECT client{};
    GetClientRect(overlay, &client);
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (binding->kind == OverlayKind::Track) {
        paintTrack(dc, *binding, width, height);
        return;
    }

    const bool radio = binding->kind == OverlayKind::Radio;
    const bool hot = binding->hot;
    const Color backColor = binding->backColor;
    const bool on = isBindingOn(*binding);  // asks the host: use no binding field after it
    fillSolid(dc, client, backColor);
    const int size = std::min(width, height) - 2;
    if (size > 0) paintGlyph(dc, 1, 1, size, radio, on, IsWindowEnabled(object) != FALSE, hot, backColor);
}

void paintGlyph(HDC dc, int left, int top, int size, bool radio, bool on, bool enabled, bool hot,
                Color backColor) {
    const ThemeState& theme = process().theme;
    const Color disabled = disabledColor(backColor);
    const int right = left + size, bottom = top + size;

    fillSolid(dc, {left - 1, top - 1, right + 1, bottom + 1}, backColor);

    Color border = hot ? theme.accent : contrastShade(backColor);
    if (!enabled) border = disabled;
    Color face = theme.controlBack;
    if (!radio && on) face = border = enabled ? theme.accent : disabled;

    const Pen borderPen = solidPen(border);
    const Brush faceBrush = solidBrush(face);
    const SelectGuard penGuard(dc, borderPen.get());
    const SelectGuard brushGuard(dc, faceBrush.get());

    if (radio) {
        Ellipse(dc, left, top, right, bottom);
        if (on) {
            const int inset = std::max(size / 4, 2);
            const Color dot = enabled ? theme.accent : disabled;
            drawShape(dc, dot, dot, [&] { Ellipse(dc, left + inset, top + inset, right - inset, bottom - inset); });
        }
        return;
    }

    RoundRect(dc, left, top, right, bottom, kGlyphCorner, kGlyphCorner);
    if (on) {
        const Color markColor = checkMarkColor(face);
        const Pen markPen = solidPen(markColor, kMarkPenWidth);
        const SelectGuard markGuard(dc, markPen.get());
        CheckMark mark = checkMark(left, top, size);
        Polyline(dc, mark.points, 3);
    }
}

void paintTrack(HDC dc, OverlayBinding& binding, int width, int height) {
    const Color backColor = binding.backColor;
    fillSolid(dc, {0, 0, width, height}, backColor);
    if (width < kMinTrackSide || height < kMinTrackSide) return;

    const HWND object = binding.objectWindow;
    const bool hot = binding.hot;
    const double fraction = trackFraction(binding);  // asks the host: use no binding field after it
    const bool enabled = IsWindowEnabled(object) != FALSE;
    const TrackGeometry g = trackGeometry(width, height, dcDpi(dc), fraction);
    const ThemeState& theme = process().theme;

    const Color channelColor = contrastShade(backColor);
    drawShape(dc, channelColor, channelColor, [&] {
        RoundRect(dc, g.channel.left, g.channel.top, g.channel.right, g.channel.bottom, g.thickness, g.thickness);
    });

    Color fill = hot ? blendColors(theme.accent, kWhite, kHotTrackBlendPercent) : theme.accent;
    if (!enabled) fill = disabledColor(backColor);
    if (g.hasFilled()) {
        drawShape(dc, fill, fill, [&] {
            RoundRect(dc, g.filled.left, g.filled.top, g.filled.right, g.filled.bottom, g.thickness, g.thickness);
        });
    }
    const RECT thumb = g.thumb();
    drawShape(dc, blendColors(fill, kBlack, kThumbEdgeBlendPercent), fill,
              [&] { Ellipse(dc, thumb.left, thumb.top, thumb.right, thumb.bottom); });
}

} // namespace hueloom
