#include "platform/thread_hook.h"

#include "platform/system_functions.h"

namespace hueloom {

HHOOK installThreadCbtHook(HOOKPROC procedure) {
    auto setWindowsHookEx = systemFunctions().setWindowsHookExW;
    if (!setWindowsHookEx || !procedure) return nullptr;
    return setWindowsHookEx(WH_CBT, procedure, nullptr, GetCurrentThreadId());
}

void removeThreadHook(HHOOK hook) {
    if (!hook) return;
    if (auto unhook = systemFunctions().unhookWindowsHookEx) unhook(hook);
}

LRESULT passHookOn(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    if (auto callNext = systemFunctions().callNextHookEx) return callNext(hook, code, wParam, lParam);
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace hueloom
