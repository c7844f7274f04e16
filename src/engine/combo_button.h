#pragma once
// The drop button and frame of combo boxes drawn in the theme's colours where the system
// has no dark theme for them. The combo box paints itself first, its field in the colours
// the colour messages give; the subclass paints its frame and button over that.
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

// Drop-down and drop-down-list combo boxes; simple ones have no button.
[[nodiscard]] bool drawsComboButton(HWND combo);
LRESULT CALLBACK comboButtonSubclassProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR refData);

} // namespace hueloom
