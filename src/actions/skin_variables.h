#pragma once
// The [Skin.*] variables that describe the current theme.
#include "actions/action_result.h"
#include "theme/follow_windows.h"

namespace hueloom {

// Writes the eight theme variables, always all eight, in a fixed order.
void exportSkinVariables(ActionHost& host);
// [Skin.SystemDark] and [Skin.HighContrast]: what Windows asks for, "1" or "0".
void exportWindowsSettingVariables(ActionHost& host, WindowsColorSettings settings);

} // namespace hueloom
