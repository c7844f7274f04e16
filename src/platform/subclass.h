#pragma once
// The plug-in's window subclasses: one typed id each, and installing and removing them
// through the run-time system functions (comctl32 may be missing).
#include <windows.h>
#include <commctrl.h>

#include "platform/window_map.h"

namespace hueloom {

// A subclass is identified by procedure and id together; each still has its own id, so a
// window's subclass list reads unambiguously in a debugger.
enum class SubclassId : UINT_PTR {
    Glyph = 18503,
    Color = 18517,
    OverlayObject = 18521,
    SettingChange = 18533,  // the host window, for the system's setting-change broadcast
    // Controls the plug-in draws itself, one painter each.
    HeaderPaint = 18601,
    TabPaint = 18602,
    ProgressPaint = 18603,
    GroupBoxPaint = 18604,
    StatusBarPaint = 18605,
    ToolTipPaint = 18606,
    // Controls drawn where the system has no dark theme for them; menu bars; message boxes.
    PushButton = 18527,
    UpDown = 18531,
    ScrollBar = 18533,
    ComboButton = 18539,
    MenuBar = 18541,
    MessageBox = 18547,
};

[[nodiscard]] constexpr UINT_PTR idOf(SubclassId id) noexcept { return static_cast<UINT_PTR>(id); }

// False when SetWindowSubclass is unavailable or refuses.
bool installSubclass(HWND window, SUBCLASSPROC procedure, SubclassId id);
// Installs the subclass on a live window that `installed` does not hold yet, records it
// there and keeps the module loaded, since the window now calls into it. False only when
// the system refused it (worth trying again); true when there is nothing to do.
bool installRecordedSubclass(WindowSet& installed, HWND window, SUBCLASSPROC procedure, SubclassId id);
// Nothing when RemoveWindowSubclass is unavailable.
void removeSubclass(HWND window, SUBCLASSPROC procedure, SubclassId id);
[[nodiscard]] bool canSubclass() noexcept;

// Default processing for the plug-in's subclass procedures: DefSubclassProc when it was
// resolved, otherwise DefWindowProcW.
LRESULT defaultSubclassProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace hueloom
