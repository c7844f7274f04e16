#pragma once
// What the theming engine has done to which window, so later passes touch only new windows
// and Reset can undo everything.
#include <cstdint>

#include "engine/window_map.h"

namespace hueloom {

struct ThemedWindowRegistry {
    WindowMap<int32_t> themedControls;     // window -> ControlKind
    WindowMap<int32_t> colorSubclassed;    // carries the colour-message subclass
    WindowMap<int32_t> titleBarWindows;    // title-bar attributes applied
    WindowMap<int32_t> preexistingWindows; // top-level windows recorded by host message 1
    WindowMap<int32_t> frozenWindows;      // WM_SETREDRAW FALSE sent by the outermost freeze
    WindowMap<int32_t> glyphSubclassed;    // carries the owner-drawn glyph subclass

    int32_t updateDepth = 0;   // nesting of beginUpdate
    uint32_t freezeStartMs = 0;
};

} // namespace hueloom
