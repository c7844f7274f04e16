#pragma once
// Push buttons drawn in the theme's colours where the system has no dark theme for them.
#include <windows.h>
#include <commctrl.h>

#include "paint/push_button_painter.h"

namespace hueloom {

// Plain and default push buttons with a text caption; buttons with an image, owner-drawn,
// split and command-link buttons stay the system's.
[[nodiscard]] bool drawsPushButton(HWND button);
// How BS_* alignment and multi-line styles and the hidden-accelerator state lay a caption out.
[[nodiscard]] CaptionLayout captionLayoutFor(LONG style, bool hideAccelerators) noexcept;

LRESULT CALLBACK pushButtonSubclassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR subclassId, DWORD_PTR refData);

} // namespace hueloom
