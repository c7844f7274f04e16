#pragma once
// Design-time editors shown by the authoring tool when an author inserts or edits an action.
#include <cstdint>

namespace hueloom {

int32_t editAction(int32_t actionNumber, void* params);
int32_t editApplySkin(void* params);
int32_t editMode(void* params);
int32_t editColors(void* params, int count);
int32_t editAutoRefresh(void* params);

} // namespace hueloom
