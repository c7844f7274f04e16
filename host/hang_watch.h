#pragma once
// A watch on the script's progress from a second thread of the host: a command that runs
// far longer than it may (an endless loop in the plug-in, or in the system because of
// what the plug-in did) ends the run with exit code 5 and the line it hung at, instead of
// stalling a test run until someone notices.
#include <windows.h>

#include <string_view>

namespace standin {

inline constexpr DWORD kDefaultHangLimitSeconds = 300;

// Starts the watch once; a limit of 0 seconds leaves it off.
void startHangWatch(DWORD limitSeconds) noexcept;

// Progress: a command starts at `where` and may run the limit plus `allowanceMs` (a Pump
// of that length).
void noteProgress(std::string_view where, DWORD allowanceMs = 0) noexcept;

}  // namespace standin
