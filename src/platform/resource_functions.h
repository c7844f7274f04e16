#pragma once
// System calls that can fail for want of memory, GDI handles, timers or window slots. They
// exist on every system, so they are bound when the DLL loads rather than looked up; they
// sit in the system-function table only so that tests can make them fail.
#include <windows.h>

namespace hueloom {

struct ResourceFunctions {
    HBRUSH(WINAPI* createSolidBrush)(COLORREF) = ::CreateSolidBrush;
    HPEN(WINAPI* createPen)(int, int, COLORREF) = ::CreatePen;
    HDC(WINAPI* createCompatibleDC)(HDC) = ::CreateCompatibleDC;
    UINT_PTR(WINAPI* setTimer)(HWND, UINT_PTR, UINT, TIMERPROC) = ::SetTimer;
    // For the overlays; the editors' dialogs create their windows directly.
    HWND(WINAPI* createWindowExW)(DWORD, LPCWSTR, LPCWSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                                  LPVOID) = ::CreateWindowExW;
    // Texts handed to the host and the exchange buffers for reading variables.
    HGLOBAL(WINAPI* globalAlloc)(UINT, SIZE_T) = ::GlobalAlloc;
};

} // namespace hueloom
