#pragma once
// Letting the publication live for a while: messages dispatched, timers ticking.
#include <windows.h>

namespace standin {

// Dispatches the thread's messages for the given time, waiting between them.
void pumpMessages(DWORD milliseconds);

}  // namespace standin
