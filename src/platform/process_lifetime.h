#pragma once
// Whether the process is detaching the plug-in. Every window procedure, timer and host
// callback of the plug-in tests it first: after process detach they only pass messages on.

namespace hueloom {

[[nodiscard]] bool shuttingDown() noexcept;
void setShuttingDown(bool value) noexcept;

} // namespace hueloom
