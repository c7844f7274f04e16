#include "platform/module_pin.h"

#include <windows.h>

namespace hueloom {

namespace {
bool g_pinned = false;
}

void pinModule() {
    if (g_pinned) return;
    HMODULE self = nullptr;
    if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(&pinModule), &self)) {
        g_pinned = true;
    }
}

bool moduleIsPinned() noexcept { return g_pinned; }
void forgetModulePin() noexcept { g_pinned = false; }

} // namespace hueloom
