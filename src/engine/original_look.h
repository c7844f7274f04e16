#pragma once
// What a control looked like before the plug-in first changed it. Remembered when a colour
// is first set on the window and kept while it lives, however often the theme changes, so
// that Reset and System mode put back exactly that and not the look of an earlier theme.
#include <windows.h>

#include "engine/control_kind.h"

namespace hueloom {

struct OriginalLook {
    ControlKind kind = ControlKind::None;
    // List views: background, text, text background. Tree views: background, text, lines.
    COLORREF colors[3] = {};
    // Rich edits: the default text colour and whether it followed the system's, and the
    // background from before the first change; each only once the plug-in has changed it.
    bool automaticText = true;
    COLORREF text = 0;
    COLORREF background = 0;
    bool textChanged = false;
    bool backgroundChanged = false;
};

// The record of `window`, made (with only its kind) on the first call.
OriginalLook& originalLookOf(HWND window, ControlKind kind);
// The record, or null when the plug-in has changed nothing remembered on the window.
[[nodiscard]] const OriginalLook* findOriginalLook(HWND window);
// Reset, after every control has been given its look back.
void forgetOriginalLooks();

} // namespace hueloom
