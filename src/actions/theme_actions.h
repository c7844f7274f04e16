#pragma once
// Reset, which SetMode "System" and a System-mode skin also perform, and the answers of the
// actions that change the theme when the system runs short.
#include "actions/action_result.h"

namespace hueloom {

ActionResult resetTheme(ActionParams params, ActionHost& host);

// The theme's brushes could not be made: the action changed nothing.
[[nodiscard]] ActionResult brushesUnavailable();
// The theme is in force, but some controls could not get their subclass; the next pass
// (the timer's, or the next action's) tries them again. Succeeded when there are none.
[[nodiscard]] ActionResult answerAfterPass(ActionResult whenComplete);

} // namespace hueloom
