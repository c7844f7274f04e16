#pragma once
#include <cstdint>

namespace hueloom {

// Runs one script action: reads every parameter, calls its handler from the action table,
// writes its answer to [Skin.LastError] and returns 1 or 0 (0 for unknown numbers).
int32_t executeAction(int32_t number, void* params);

// Runs the editor of action `number`: 1 when the parameters are accepted (written back or
// left as they were; also for actions without an editor), 0 when cancelled or unknown.
int32_t editAction(int32_t number, void* params);

// Registers every action of the table with the host's callback, in table order.
void registerActions();

} // namespace hueloom
