#pragma once
// The nested repaint freeze: the whole change of a theme shows in one repaint.
#include <cstdint>

namespace hueloom {

void beginUpdate();
// Closes one nesting level, or all of them when `force` is set; the outermost end thaws
// every frozen window and repaints each top-level window once.
void endUpdate(bool force);
// Milliseconds of a monotonic clock (the performance counter, else GetTickCount), wrapped
// to 32 bits: callers compare differences only.
[[nodiscard]] uint32_t monotonicMs();

} // namespace hueloom
