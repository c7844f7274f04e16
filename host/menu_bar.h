#pragma once
// The menu bar authors build into their publications, for the host window: File, Edit and
// Help, each with a few items.
#include <windows.h>

namespace standin {

[[nodiscard]] HMENU createDemoMenuBar();

}  // namespace standin
