#pragma once
// The nested repaint freeze: the whole change of a theme shows in one repaint.
#include <cstdint>

namespace hueloom {

enum class UpdateEnd {
    OneLevel,   // closes the innermost BeginUpdate
    AllLevels,  // closes every level at once (host message 2, the freeze time-out)
};

void beginUpdate();
// The outermost end thaws every frozen window and repaints each top-level window once.
void endUpdate(UpdateEnd end);
// Milliseconds of a monotonic clock (the performance counter, else GetTickCount), wrapped
// to 32 bits: callers compare differences only.
[[nodiscard]] uint32_t monotonicMs();

} // namespace hueloom
