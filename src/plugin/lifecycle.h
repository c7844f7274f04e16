#pragma once
#include <windows.h>

#include <cstdint>

namespace hueloom {

// Process attach: defaults for every table and record; no host call, no window touched.
void pluginStartup(HMODULE module);
// Process detach: no host call and no window call beyond killing the timer.
void pluginTeardown();

// Keeps the DLL in the process once a subclass, timer or window class points into it,
// so a host that frees the plug-in without host message 2 cannot crash at the next message.
void pinModule();

// Host messages 1 (record pre-existing windows), 2 (undo all theming), 6 (theme new windows).
void handleHostMessage(int32_t code);

// Follows GW_OWNER at most 16 steps looking for the host window.
[[nodiscard]] bool isOwnedByHost(HWND window);

} // namespace hueloom
