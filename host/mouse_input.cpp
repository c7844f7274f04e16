#include "mouse_input.h"

namespace standin {

namespace {

constexpr int kDragSteps = 8;

LPARAM packPoint(POINT point) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(point.x)),
                      static_cast<WORD>(static_cast<short>(point.y)));
}

void movePointerTo(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
}

}  // namespace

POINT clientCentre(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return POINT{client.right / 2, client.bottom / 2};
}

void sendMouseMove(HWND window, POINT client, WPARAM buttons) {
    movePointerTo(window, client);
    SendMessageW(window, WM_MOUSEMOVE, buttons, packPoint(client));
}

void sendClick(HWND window, POINT client) {
    sendMouseMove(window, client);
    if (!IsWindow(window)) return;
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, packPoint(client));
    if (!IsWindow(window)) return;
    SendMessageW(window, WM_LBUTTONUP, 0, packPoint(client));
}

void sendDrag(HWND window, POINT from, POINT to) {
    sendMouseMove(window, from);
    if (!IsWindow(window)) return;
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, packPoint(from));
    for (int step = 1; step <= kDragSteps && IsWindow(window); ++step) {
        const POINT point{from.x + (to.x - from.x) * step / kDragSteps,
                          from.y + (to.y - from.y) * step / kDragSteps};
        sendMouseMove(window, point, MK_LBUTTON);
    }
    if (IsWindow(window)) SendMessageW(window, WM_LBUTTONUP, 0, packPoint(to));
}

void sendMouseLeave(HWND window) {
    // Park the pointer in the screen's far corner, away from the publication.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
}

}  // namespace standin
