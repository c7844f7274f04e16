#include "engine/up_down.h"

#include "engine/fallback_painting.h"
#include "engine/pointer_tracking.h"
#include "paint/up_down_painter.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

bool isHorizontal(HWND upDown) { return (GetWindowLongW(upDown, GWL_STYLE) & UDS_HORZ) != 0; }

UpDownPart partAt(HWND upDown, LPARAM lParam) {
    RECT client{};
    GetClientRect(upDown, &client);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return upDownPartAt(client, isHorizontal(upDown), point);
}

UpDownPart asPart(int number) {
    return number == static_cast<int>(UpDownPart::First)    ? UpDownPart::First
           : number == static_cast<int>(UpDownPart::Second) ? UpDownPart::Second
                                                            : UpDownPart::None;
}

void paintUpDownWindow(HWND upDown, HDC dc) {
    RECT client{};
    GetClientRect(upDown, &client);
    UpDownLook look;
    look.horizontal = isHorizontal(upDown);
    look.enabled = IsWindowEnabled(upDown) != FALSE;
    look.hot = asPart(hotPartOf(upDown));
    look.pressed = asPart(pressedPartOf(upDown));
    paintUpDown(dc, client, look, currentTheme(), dcDpi(dc));
}

} // namespace

bool drawsUpDown(HWND) { return true; }

LRESULT CALLBACK upDownSubclassProc(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR subclassId, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        forgetFallbackPainter(upDown, upDownSubclassProc, static_cast<SubclassId>(subclassId));
        return defaultSubclassProcessing(upDown, message, wParam, lParam);
    }
    if (!fallbackPaintingInForce()) return defaultSubclassProcessing(upDown, message, wParam, lParam);
    if (const auto painted = paintWholeControl(upDown, message, wParam, paintUpDownWindow)) return *painted;

    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The control acts on the press itself; the part is remembered for the look.
        notePressed(upDown, static_cast<int>(partAt(upDown, lParam)));
        break;
    case WM_MOUSEMOVE:
        notePointerOver(upDown, static_cast<int>(partAt(upDown, lParam)));
        break;
    case WM_MOUSELEAVE:
        notePointerLeft(upDown);
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: {
        const LRESULT result = defaultSubclassProcessing(upDown, message, wParam, lParam);
        noteReleased(upDown);
        return result;
    }
    case WM_ENABLE:
        return passOnThenRepaint(upDown, message, wParam, lParam);
    default:
        break;
    }
    return defaultSubclassProcessing(upDown, message, wParam, lParam);
}

} // namespace hueloom
