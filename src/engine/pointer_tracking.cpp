#include "engine/pointer_tracking.h"

namespace hueloom {

namespace {

void clearHot(DrawnControlPointer& pointer) {
    pointer.hotWindow = nullptr;
    pointer.hotPart = 0;
}

void clearPressed(DrawnControlPointer& pointer) {
    pointer.pressedWindow = nullptr;
    pointer.pressedPart = 0;
    pointer.pressedPartUnderPointer = false;
}

} // namespace

void notePointerOver(HWND window, int part) {
    DrawnControlPointer& pointer = drawnControlPointer();
    if (pointer.hotWindow == window && pointer.hotPart == part) return;
    const HWND previous = pointer.hotWindow;
    pointer.hotWindow = window;
    pointer.hotPart = part;
    if (previous != window) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        if (previous && IsWindow(previous)) InvalidateRect(previous, nullptr, FALSE);
    }
    InvalidateRect(window, nullptr, FALSE);
}

void notePointerLeft(HWND window) {
    DrawnControlPointer& pointer = drawnControlPointer();
    if (pointer.hotWindow != window) return;
    clearHot(pointer);
    InvalidateRect(window, nullptr, FALSE);
}

int hotPartOf(HWND window) noexcept {
    const DrawnControlPointer& pointer = drawnControlPointer();
    return window && pointer.hotWindow == window ? pointer.hotPart : -1;
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
    DrawnControlPointer& pointer = drawnControlPointer();
    if (pointer.hotWindow == window) clearHot(pointer);
    if (pointer.pressedWindow == window) clearPressed(pointer);
}

} // namespace hueloom
