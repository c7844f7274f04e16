#pragma once
// The authoring tool's alert action: a message box owned by the host window. A script can
// look at it while it is up: a subroutine runs once it shows, with the box named "Alert"
// and each of its buttons "Alert.<caption>" (without "&").
#include <windows.h>

#include <string>
#include <string_view>

#include "interpreter.h"

namespace standin {

inline constexpr char kAlertName[] = "Alert";

// Shows the box and waits for it to close: by AutoPress, by the subroutine, or (after the
// subroutine) with OK. Returns the box's answer (IDOK ...) in `answer`, and the
// subroutine's flow.
[[nodiscard]] Flow showAlert(const Call& call, const std::wstring& text, std::string_view subroutine, int& answer);

}  // namespace standin
