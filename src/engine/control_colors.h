#pragma once
// Controls that take the theme's colours by message: list views (background, text and text
// background), tree views (background, text, lines) and rich edits (background, and the
// text while article text is on). What they had is remembered before the first change
// (engine/original_look.h) and put back whenever the plug-in's colours are not in force.
#include <windows.h>

#include "engine/control_kind.h"

namespace hueloom {

void applyControlColors(HWND window, ControlKind kind);

} // namespace hueloom
