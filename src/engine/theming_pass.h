#pragma once
// The theming pass: finds every window of the host's GUI thread and themes each once.
#include <windows.h>

namespace hueloom {

enum class RefreshScope {
    AllWindows,      // every registered control and title bar again, then the new windows
    NewWindowsOnly,  // only windows not themed yet (the timer, host message 6)
};

void refreshWindows(RefreshScope scope);
BOOL CALLBACK themeTopLevel(HWND window, LPARAM);
void themeChild(HWND window);
void themeToolTip(HWND window);
void pruneRegistries();
// False only when the subclass is wanted but the system refused it (worth trying again).
bool installColorSubclass(HWND window);
// Controls that a pass could not finish for lack of resources; every pass tries them again.
[[nodiscard]] size_t controlsAwaitingTheme();
// Every top-level window's title bar afresh, then redrawn (SetTitleBar).
void reapplyTitleBars();
void redrawTitleBarWindows();

} // namespace hueloom
