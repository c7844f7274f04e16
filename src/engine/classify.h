#pragma once
#include <windows.h>

#include <string>

#include "engine/control_kind.h"

namespace hueloom {

// Lower-cased class name (the system base class where RealGetWindowClassW is available);
// empty when it cannot be read.
[[nodiscard]] std::wstring windowClassName(HWND window);
[[nodiscard]] ControlKind classifyWindow(HWND window);

} // namespace hueloom
