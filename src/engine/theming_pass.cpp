#include "engine/theming_pass.h"
namespace hueloom {
void refreshWindows(bool) {}
BOOL CALLBACK themeTopLevel(HWND, LPARAM) { return TRUE; }
void themeChild(HWND) {}
void pruneRegistries() {}
void installColorSubclass(HWND) {}
void redrawTitleBarWindows() {}
bool isSkippedTopLevel(HWND) { return false; }
void removeColorSubclasses() {}
void removeGlyphSubclasses() {}
void removeAllOverlays() {}
}
