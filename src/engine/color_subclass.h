#pragma once
// Answers the colour messages of subclassed parents (and combo boxes) from the theme.
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

LRESULT CALLBACK colorSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR refData);
LRESULT drawTrackBar(NMCUSTOMDRAW* cd);

} // namespace hueloom
