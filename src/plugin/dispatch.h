#pragma once
#include <cstdint>

namespace hueloom {

// Runs one script action: reads every parameter, calls its handler, returns 1 or 0.
int32_t executeAction(int32_t number, void* params);

} // namespace hueloom
