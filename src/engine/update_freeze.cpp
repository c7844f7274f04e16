#include "engine/update_freeze.h"
namespace hueloom {
void beginUpdate() {}
void endUpdate(bool) {}
uint32_t monotonicMs() { return 0; }
}
