#pragma once
// Up-down controls drawn in the theme's colours where the system has no dark theme for
// them. The control keeps its own behaviour; the subclass follows the mouse to show which
// arrow is hot and which is held.
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

[[nodiscard]] bool drawsUpDown(HWND upDown);
LRESULT CALLBACK upDownSubclassProc(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR subclassId, DWORD_PTR refData);

} // namespace hueloom
