#pragma once
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

LRESULT CALLBACK overlayObjectSubclassProc(HWND object, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR subclassId, DWORD_PTR refData);
void applyOverlayClick(HWND object);

} // namespace hueloom
