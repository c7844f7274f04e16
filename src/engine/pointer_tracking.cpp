#include "engine/pointer_tracking.h"

#include "engine/control_painting.h"

namespace hueloom {

namespace {

void clearPressed(DrawnControlPointer& pointer) {
    pointer.pressedWindow = nullptr;
    pointer.pressedPart = 0;
    pointer.pressedPartUnderPointer = false;
}

} // namespace

void notePointerOver(HWND window, int part) {
    const HotPart before = hotPart();
    if (before.window == window && before.part == part) return;
    const HWND previous = before.window;
    setHotPart({window, part});
    if (previous != window) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        if (previous && IsWindow(previous)) InvalidateRect(previous, nullptr, FALSE);
    }
    InvalidateRect(window, nullptr, FALSE);
}

void notePointerLeft(HWND window) {
    if (hotPart().window != window) return;
    setHotPart({});
    InvalidateRect(window, nullptr, FALSE);
}

int hotPartOf(HWND window) noexcept {
    const HotPart hot = hotPart();
    return window && hot.window == window ? hot.part : -1;
}

void notePressed(HWND window, int part) {
    DrawnControlPointer& pointer = drawnControlPointer();
    pointer.pressedWindow = window;
    pointer.pressedPart = part;
    pointer.pressedPartUnderPointer = true;
    InvalidateRect(window, nullptr, FALSE);
}

void noteReleased(HWND window) {
    DrawnControlPointer& pointer = drawnControlPointer();
    if (pointer.pressedWindow != window) return;
    clearPressed(pointer);
    InvalidateRect(window, nullptr, FALSE);
}

int pressedPartOf(HWND window) noexcept {
    const DrawnControlPointer& pointer = drawnControlPointer();
    if (!window || pointer.pressedWindow != window || !pointer.pressedPartUnderPointer) return -1;
    return pointer.pressedPart;
}

void forgetPointerWindow(HWND window) noexcept {
    if (hotPart().window == window) setHotPart({});
    DrawnControlPointer& pointer = drawnControlPointer();
    if (pointer.pressedWindow == window) clearPressed(pointer);
}

} // namespace hueloom
