#pragma once
// The theming pass: finds every window of the host's GUI thread and themes each once.
#include <windows.h>

namespace hueloom {

void refreshWindows(bool full);
BOOL CALLBACK themeTopLevel(HWND window, LPARAM);
void themeChild(HWND window);
void pruneRegistries();
void installColorSubclass(HWND window);
void redrawTitleBarWindows();
// Top-level windows that existed before the publication (host message 1) are left alone
// unless the host window owns them.
[[nodiscard]] bool isSkippedTopLevel(HWND window);

// Take the plug-in's subclasses and overlays off every window (Reset).
void removeColorSubclasses();
void removeGlyphSubclasses();
void removeAllOverlays();

} // namespace hueloom
