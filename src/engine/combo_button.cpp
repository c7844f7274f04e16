#include "engine/combo_button.h"

#include "engine/fallback_painting.h"
#include "engine/pointer_tracking.h"
#include "paint/combo_button_painter.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kButtonPart = 1;
constexpr int kFieldPart = 0;

bool comboInfo(HWND combo, COMBOBOXINFO& info) {
    info = COMBOBOXINFO{};
    info.cbSize = sizeof info;
    return askControl(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) != 0 &&
           info.rcButton.right > info.rcButton.left && info.rcButton.bottom > info.rcButton.top;
}

int partAt(HWND combo, LPARAM lParam) {
    COMBOBOXINFO info;
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return comboInfo(combo, info) && PtInRect(&info.rcButton, point) ? kButtonPart : kFieldPart;
}

void paintComboButtonWindow(HWND combo, HDC dc) {
    COMBOBOXINFO info;
    if (!comboInfo(combo, info)) return;
    RECT client{};
    GetClientRect(combo, &client);
    FaceState state;
    state.enabled = IsWindowEnabled(combo) != FALSE;
    state.pressed = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
    state.hot = hotPartOf(combo) == kButtonPart;
    paintComboButton(dc, client, info.rcItem, info.rcButton, state, currentTheme(), dcDpi(dc));
}

} // namespace

bool drawsComboButton(HWND combo) { return (GetWindowLongW(combo, GWL_STYLE) & 0x3) != CBS_SIMPLE; }

LRESULT CALLBACK comboButtonSubclassProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        forgetFallbackPainter(combo, comboButtonSubclassProc, static_cast<SubclassId>(subclassId));
        return defaultSubclassProcessing(combo, message, wParam, lParam);
    }
    if (!fallbackPaintingInForce() || !drawsComboButton(combo))
        return defaultSubclassProcessing(combo, message, wParam, lParam);

    switch (message) {
    case WM_PAINT: {
        // The combo box paints into a DC it is given, without BeginPaint of its own.
        PAINTSTRUCT ps;
        if (HDC dc = BeginPaint(combo, &ps)) {
            defaultSubclassProcessing(combo, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
            paintComboButtonWindow(combo, dc);
        }
        EndPaint(combo, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: {
        const LRESULT result = defaultSubclassProcessing(combo, message, wParam, lParam);
        if (wParam) paintComboButtonWindow(combo, reinterpret_cast<HDC>(wParam));
        return result;
    }
    case WM_MOUSEMOVE:
        notePointerOver(combo, partAt(combo, lParam));
        break;
    case WM_MOUSELEAVE:
        notePointerLeft(combo);
        break;
    case WM_ENABLE:
        return passOnThenRepaint(combo, message, wParam, lParam);
    default:
        break;
    }
    return defaultSubclassProcessing(combo, message, wParam, lParam);
}

} // namespace hueloom
