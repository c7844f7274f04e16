#pragma once
// Whether overlays stand below their own objects, answered for every binding from one walk
// of each parent's children: the timer's upkeep stays linear in the number of windows.
#include <windows.h>

#include <span>

#include "platform/window_map.h"

namespace hueloom {

// The overlays of the bindings of `objects` that stand below their object among their
// siblings, as the z-order is now.
[[nodiscard]] WindowSet coveredOverlays(std::span<const HWND> objects);

} // namespace hueloom
