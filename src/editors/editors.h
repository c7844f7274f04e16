#pragma once
// Design-time editors shown by the authoring tool when an author inserts or edits an action.
// Each reads the action's parameter texts, shows its dialog and writes the chosen values
// back as new host blocks. 1 means the parameters are accepted (written or left as they
// were), 0 that the author cancelled. Nothing outlives the call but the slots written.
#include <cstdint>

namespace hueloom {

// Runs the editor of action `actionNumber` (1 to 16); actions without one are accepted
// as they are, other numbers give 0.
int32_t editAction(int32_t actionNumber, void* params);
int32_t editApplySkin(void* params);
int32_t editMode(void* params);
// One system colour dialog per colour, `count` being 3, 2 or 1.
int32_t editColors(void* params, int count);
int32_t editAutoRefresh(void* params);

} // namespace hueloom
