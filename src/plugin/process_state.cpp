#include "plugin/process_state.h"

namespace hueloom {

namespace {
ProcessState g_process;
}

ProcessState& process() { return g_process; }

} // namespace hueloom
