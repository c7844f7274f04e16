#pragma once
// Switching the base mode of a theme as one frozen update: for SetMode, and for Auto when it
// enters or when Windows' setting changes under it.
#include "theme/follow_windows.h"
#include "theme/mode.h"

namespace hueloom {

// Dark or Light with the whole palette of the mode, caption colours cleared: SetMode.
// False, with nothing changed, when the system has no GDI objects left for the brushes.
[[nodiscard]] bool switchBaseMode(Mode mode);

enum class FollowStep {
    Entering,    // SetMode "Auto": like switchBaseMode, whatever was shown
    LiveSwitch,  // Windows changed: only when the look must change; the author's accent,
                 // caption colours and overlay back colours that followed the page are kept
};
enum class FollowOutcome {
    Unchanged,  // the look already was the one asked for
    Changed,
    NoBrushes,  // the system had no GDI objects left: the old look stays, tried again later
};
// Auto: the look the settings ask for. High contrast gives the stock look while the theme
// keeps following, so the timer keeps running for the way back.
[[nodiscard]] FollowOutcome showFollowedLook(WindowsColorSettings settings, FollowStep step);

} // namespace hueloom
