#pragma once
// The [Skin.*] variables that describe the current theme.
#include "actions/action_result.h"

namespace hueloom {

// Writes the eight theme variables, always all eight, in a fixed order.
void exportSkinVariables(ActionHost& host);

} // namespace hueloom
