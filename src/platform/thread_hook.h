#pragma once
// A computer-based-training hook (WH_CBT) on the calling thread, through the run-time
// system functions so that tests can watch it and make it fail.
#include <windows.h>

namespace hueloom {

// Null when SetWindowsHookExW is unavailable or refuses.
[[nodiscard]] HHOOK installThreadCbtHook(HOOKPROC procedure);
// Nothing for a null hook.
void removeThreadHook(HHOOK hook);
// Passes a hook call on to the next hook of the chain.
LRESULT passHookOn(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

} // namespace hueloom
