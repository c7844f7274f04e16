#pragma once
// Mouse input as a user would give it: the pointer goes to the spot, then the window gets
// the messages that the system would send it there.
#include <windows.h>

namespace standin {

void sendMouseMove(HWND window, POINT client, WPARAM buttons = 0);
void sendClick(HWND window, POINT client);
void sendDrag(HWND window, POINT from, POINT to);
// The pointer leaves the window and the window is told so.
void sendMouseLeave(HWND window);

[[nodiscard]] POINT clientCentre(HWND window);

}  // namespace standin
