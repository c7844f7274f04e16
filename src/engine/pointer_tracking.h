#pragma once
// Which part of which drawn control is under the mouse or held down. There is one mouse:
// the part under it is the process's one hot part (engine/control_painting.h), shared with
// headers and tabs, and one record holds the part held down. Each kind numbers its own
// parts, 0 being the control as a whole.
#include <windows.h>

#include <cstdint>

namespace hueloom {

struct DrawnControlPointer {
    HWND pressedWindow = nullptr;
    int pressedPart = 0;
    bool pressedPartUnderPointer = false;  // the held part shows pressed only while under it
    int32_t grabOffset = 0;                // where a scroll thumb was taken, from its start
    int32_t trackPosition = 0;             // the position a dragged scroll thumb stands for
};

// The process's one record (engine_state.cpp).
[[nodiscard]] DrawnControlPointer& drawnControlPointer() noexcept;

// The pointer is over `part` of `window`: its leaving is tracked, and the windows whose
// look changes are repainted.
void notePointerOver(HWND window, int part);
// WM_MOUSELEAVE: the window is no longer hot.
void notePointerLeft(HWND window);
// The hot part of `window`, or -1 when the pointer is elsewhere.
[[nodiscard]] int hotPartOf(HWND window) noexcept;

void notePressed(HWND window, int part);
void noteReleased(HWND window);
// The held part of `window` while it is held and under the pointer, else -1.
[[nodiscard]] int pressedPartOf(HWND window) noexcept;

// The window is gone or no longer drawn: nothing points at it any more.
void forgetPointerWindow(HWND window) noexcept;

} // namespace hueloom
