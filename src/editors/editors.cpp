#include "editors/editors.h"
namespace hueloom {
int32_t editAction(int32_t number, void*) { return number >= 1 && number <= 16 ? 1 : 0; }
int32_t editApplySkin(void*) { return 0; }
int32_t editMode(void*) { return 0; }
int32_t editColors(void*, int) { return 0; }
int32_t editAutoRefresh(void*) { return 0; }
}
