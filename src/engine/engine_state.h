#pragma once
// The engine's process-wide state has one home, engine_state.cpp; each part is reached
// through the header of the code that uses it (registry.h, host_window.h, auto_refresh.h,
// glyph_button.h, control_painting.h, settings_watch.h). These reset all of it.

namespace hueloom {

// Process attach: nothing recorded, no host window, timer off.
void resetEngineState();
// Process detach: the timer killed, every record dropped; no window is touched.
void clearEngineState();

} // namespace hueloom
