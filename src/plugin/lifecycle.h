#pragma once
#include <windows.h>

#include <cstdint>

namespace hueloom {

// The host's message codes (nbMessage).
enum class HostMessage : int32_t {
    PublicationStarts = 1,  // record the windows that are already there
    PublicationCloses = 2,  // undo all theming
    PageChanging = 6,       // theme the new page's windows
};

// Process attach: defaults for every folder's state; no host call, no window touched.
void pluginStartup();
// Process detach: no host call and no window call beyond killing the timer.
void pluginTeardown();

// Unknown codes are ignored.
void handleHostMessage(int32_t code);

} // namespace hueloom
