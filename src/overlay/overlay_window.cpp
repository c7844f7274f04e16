#include "overlay/overlay_window.h"

#include <algorithm>

#include "overlay/bindings.h"
#include "paint/paint_geometry.h"
#include "paint/paint_styles.h"
#include "paint/track_painter.h"
#include "platform/gdi.h"
#include "platform/process_lifetime.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

void fillSolid(HDC dc, const RECT& rect, Color color) {
    const Brush brush = solidBrush(color);
    FillRect(dc, &rect, brush.get());
}

} // namespace

LRESULT CALLBACK overlayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (dc && !shuttingDown()) paintOverlay(window, dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (wParam && !shuttingDown()) paintOverlay(window, reinterpret_cast<HDC>(wParam));
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
    OverlayBinding* binding = overlayState().bindings.find(object);
    if (!binding) return;

    RECT client{};
    GetClientRect(overlay, &client);
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (binding->kind == OverlayKind::Track) {
        paintOverlayTrack(dc, *binding, width, height);
        return;
    }

    GlyphState state;
    state.radio = binding->kind == OverlayKind::Radio;
    state.hot = binding->hot;
    const Color backColor = binding->backColor;
    const bool on = isBindingOn(*binding);  // asks the host: use no binding field after it
    state.check = on ? CheckState::Checked : CheckState::Unchecked;
    state.enabled = IsWindowEnabled(object) != FALSE;
    fillSolid(dc, client, backColor);
    const int size = std::min(width, height) - 2;
    if (size > 0) paintOverlayGlyph(dc, 1, 1, size, state, backColor);
}

void paintOverlayGlyph(HDC dc, int left, int top, int size, const GlyphState& state, Color backColor) {
    paintGlyph(dc, {left, top, left + size, top + size}, state, currentTheme(), overlayGlyphStyle(backColor, size));
}

void paintOverlayTrack(HDC dc, OverlayBinding& binding, int width, int height) {
    const Color backColor = binding.backColor;
    fillSolid(dc, {0, 0, width, height}, backColor);
    if (width < kMinTrackSide || height < kMinTrackSide) return;

    const HWND object = binding.objectWindow;
    TrackState state;
    state.hot = binding.hot;
    const double fraction = trackFraction(binding);  // asks the host: use no binding field after it
    state.enabled = IsWindowEnabled(object) != FALSE;
    const TrackGeometry g = trackGeometry(width, height, dcDpi(dc), fraction);
    const ThemeState& theme = currentTheme();
    const TrackStyle style = overlayTrackStyle(backColor, g.thickness);

    paintTrackChannel(dc, g.channel, g.filled, state, theme, style);
    paintTrackThumb(dc, g.thumb(), state, theme, style);
}

} // namespace hueloom
