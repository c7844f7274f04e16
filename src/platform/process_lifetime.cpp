#include "platform/process_lifetime.h"

namespace hueloom {

namespace {
bool g_shuttingDown = false;
}

bool shuttingDown() noexcept { return g_shuttingDown; }
void setShuttingDown(bool value) noexcept { g_shuttingDown = value; }

} // namespace hueloom
