#pragma once
// What the theming engine has done to which window, so later passes touch only new windows
// and Reset can undo everything.
#include <cstdint>

#include "engine/control_kind.h"
#include "engine/original_look.h"
#include "platform/subclass.h"
#include "platform/window_map.h"

namespace hueloom {

struct ThemedWindowRegistry {
    WindowMap<ControlKind> themedControls;  // themed once while it lives, with its kind
    WindowSet colorSubclassed;              // carries the colour-message subclass
    WindowSet titleBarWindows;              // title-bar attributes applied
    WindowSet preexistingWindows;           // top-level windows recorded by host message 1
    WindowSet frozenWindows;                // top-level windows the outermost freeze sent WM_SETREDRAW FALSE
    WindowSet glyphSubclassed;              // carries the owner-drawn glyph subclass
    WindowSet unfinishedControls;           // themed in part: a subclass was refused, tried again
    WindowMap<SubclassId> paintedControls;  // drawn by the plug-in, with its painter's subclass
    WindowMap<OriginalLook> originalLooks;  // what Reset puts back, from before the first change
    WindowMap<ControlKind> fallbackPainted; // push buttons, up-downs, scroll bars and combo
                                            // boxes drawn where no native dark theme exists
    WindowSet menuBarSubclassed;            // top-level windows whose menu bar is drawn
    WindowSet messageBoxes;                 // message boxes in the theme

    int32_t updateDepth = 0;   // nesting of beginUpdate
    uint32_t freezeStartMs = 0;
};

[[nodiscard]] ThemedWindowRegistry& windowRegistry() noexcept;

} // namespace hueloom
