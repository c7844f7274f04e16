#pragma once
#include <windows.h>

#include <string>

#include "overlay/overlay_binding.h"

namespace hueloom {

// The texts of a Bind action, as the script passed them.
struct BindTexts {
    std::wstring handle, variable, value, caption, color, minimum, maximum;
};

enum class BindResult {
    Bound,   // the overlay is shown (or kept) over the object
    Native,  // System mode, glyphs off or no own colours: the object stays as it is
    Failed,
};

struct BindOutcome {
    BindResult result = BindResult::Failed;
    std::wstring message;  // the answer for [Skin.LastError]
};

[[nodiscard]] BindOutcome bindOverlay(OverlayKind kind, const BindTexts& texts);
// The object's overlay and subclass removed; nothing when there is none.
void unbindOverlay(const std::wstring& handleText);
void unbindObject(HWND object);
void destroyOverlay(HWND objectWindow);
// Every overlay and object subclass removed (Reset).
void removeAllOverlays();
bool registerOverlayClass();
void positionOverlay(OverlayBinding& binding);
// Shows, hides or raises the overlay so that it stays on its object.
void syncOverlay(OverlayBinding& binding);
// The same for every binding, from one walk of each parent's children (the timer's tick).
void syncAllOverlays();
[[nodiscard]] bool isBindingOn(OverlayBinding& binding);
[[nodiscard]] double trackFraction(OverlayBinding& binding);

} // namespace hueloom
