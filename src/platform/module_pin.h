#pragma once
// Keeps the DLL in the process once a subclass, timer or window class points into it, so
// a host that frees the plug-in without host message 2 cannot crash at the next message.

namespace hueloom {

void pinModule();
[[nodiscard]] bool moduleIsPinned() noexcept;
// Process attach: the flag only; a pin, once made, lasts as long as the process.
void forgetModulePin() noexcept;

} // namespace hueloom
