#pragma once
// Controls the plug-in draws itself in the theme's colours, on every Windows build and
// whatever visual style is in force: headers, tab controls, progress bars, group boxes,
// status bars and tooltips. One subclass procedure paints them all; each kind is installed
// with its own id, which also says which painter it takes.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <vector>

#include "engine/control_kind.h"
#include "platform/subclass.h"

namespace hueloom {

// The painter for a window of `kind` with `style`, if the plug-in draws it: tab controls
// with vertical tabs and balloon tooltips keep the system's drawing, as do buttons other
// than group boxes.
[[nodiscard]] std::optional<SubclassId> painterFor(ControlKind kind, LONG style) noexcept;

// Installs the painter once (nothing for other kinds); drawing follows the theme from then
// on and stops while the plug-in's colours are not in force. False only when the system
// refused the subclass (worth trying again).
bool installControlPainter(HWND window, ControlKind kind);
// Reset: every painter taken off and its control repainted by the system. Answers the
// group boxes among them: the system never paints their inside, which keeps what the
// plug-in painted there until uncoverGroupBoxes shows the page through it again.
[[nodiscard]] std::vector<HWND> removeControlPainters();
// Once the windows are thawed: the page behind each group box, then its members and its
// frame repainted over it.
void uncoverGroupBoxes(const std::vector<HWND>& groupBoxes);

LRESULT CALLBACK controlPainterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR subclassId,
                                    DWORD_PTR refData);

// The header item or tab under the mouse, drawn hot; at most one in the process.
struct HotPart {
    HWND window = nullptr;
    int part = -1;
};
[[nodiscard]] HotPart hotPart() noexcept;
void setHotPart(HotPart part) noexcept;

} // namespace hueloom
