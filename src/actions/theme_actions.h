#pragma once
// Reset, which SetMode "System" and a System-mode skin also perform.
#include "actions/action_result.h"

namespace hueloom {

ActionResult resetTheme(ActionParams params, ActionHost& host);

} // namespace hueloom
