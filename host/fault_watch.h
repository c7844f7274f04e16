#pragma once
// Faults the system swallows: an access violation in a timer callback, and on some systems
// in a window procedure, is caught by the system and the program goes on as if nothing had
// happened. A vectored handler sees every fault before anyone catches it, so the host can
// count such a fault as the crash it is.
#include <string_view>

namespace standin {

// Installs the handler once for the process.
void watchForFaults() noexcept;

// A crash ends the process with exit code 4 and a line saying where, instead of a crash
// dialog that would keep a headless run waiting.
void reportCrashes() noexcept;

// Faults seen since the last call: each is reported at `where` and counted in the outcome.
// Gives their number.
int reportNewFaults(std::string_view where);

}  // namespace standin
