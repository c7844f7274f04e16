#pragma once
// What is on screen where a window's client area is, saved as a 24-bit BMP.
#include <windows.h>

#include <string>

namespace standin {

// Empty text on success, else what went wrong.
[[nodiscard]] std::string saveWindowScreenshot(HWND window, const std::wstring& path);

// How many pixels of the window's client area show exactly that colour on screen, once
// pending paints are done; -1 when the screen cannot be read.
[[nodiscard]] int countScreenColour(HWND window, COLORREF colour);

// The colour on screen at a point of a window's client area, once pending paints are done.
[[nodiscard]] COLORREF screenPixel(HWND window, POINT client);

}  // namespace standin
