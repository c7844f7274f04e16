#pragma once
// Message boxes the publication shows (MessageBox, which the authoring tool's alert actions
// use) in the theme. While a theme with colours is in force, a hook on the host's thread
// catches every new dialog ("#32770") as it is created and subclasses it. Once its controls
// exist (WM_INITDIALOG), a dialog made only of texts, icons and push buttons, which is what
// a message box is, gets its controls themed as a page's are and its background from the
// subclass; any other dialog is let go at once.
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

// The hook's handle (engine_state.cpp).
[[nodiscard]] HHOOK& messageBoxHook() noexcept;

// After a full theming pass: the hook on while colours are in force, off otherwise.
void updateMessageBoxHook();
void removeMessageBoxHook();
// Reset: the hook off, and every message box's subclass off and repainted.
void removeMessageBoxTheming();

// Whether the dialog's children are only statics and push buttons, with one button at least.
[[nodiscard]] bool looksLikeMessageBox(HWND dialog);

LRESULT CALLBACK messageBoxCbtProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK messageBoxSubclassProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR subclassId, DWORD_PTR refData);

} // namespace hueloom
