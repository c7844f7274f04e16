#include "engine/mode_switch.h"

#include <utility>

#include "engine/auto_refresh.h"
#include "engine/native_theming.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "overlay/overlay_recolor.h"
#include "paint/theme_brushes.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

// Overlays whose back colour followed the page colour: SetMode leaves them as they are, as
// it always has; a switch under Auto takes them along, as the author did not choose it.
enum class OverlayBacks { Keep, FollowPage };

// The new theme in force: its brushes first, so that a system short of GDI objects leaves
// the old theme whole; then one frozen pass over every window.
bool showTheme(ThemeState next, OverlayBacks overlayBacks) {
    if (!rebuildThemeBrushes(next)) return false;
    beginUpdate();
    const Color pageBefore = currentTheme().pageBack;
    currentTheme() = std::move(next);
    if (overlayBacks == OverlayBacks::FollowPage) recolorOverlayBacks(pageBefore, currentTheme().pageBack);
    applyAppMode();
    refreshWindows(RefreshScope::AllWindows);
    startAutoRefresh();
    endUpdate(UpdateEnd::OneLevel);
    return true;
}

ThemeState withModePalette(Mode mode) {
    ThemeState next = currentTheme();
    applyModePalette(next, mode);
    next.titleBar.reset();
    next.titleText.reset();
    return next;
}

} // namespace

bool switchBaseMode(Mode mode) { return showTheme(withModePalette(mode), OverlayBacks::Keep); }

FollowOutcome showFollowedLook(WindowsColorSettings settings, FollowStep step) {
    const Mode mode = followedMode(settings);
    const ThemeState& theme = currentTheme();
    if (step == FollowStep::LiveSwitch && mode == theme.mode) return FollowOutcome::Unchanged;

    if (mode == Mode::System) {
        restoreStockLook();  // keeps followsWindows
        startAutoRefresh();
        return FollowOutcome::Changed;
    }
    if (step == FollowStep::Entering) return switchBaseMode(mode) ? FollowOutcome::Changed : FollowOutcome::NoBrushes;
    ThemeState next = theme;
    applyFollowedPalette(next, mode);
    return showTheme(std::move(next), OverlayBacks::FollowPage) ? FollowOutcome::Changed : FollowOutcome::NoBrushes;
}

} // namespace hueloom
