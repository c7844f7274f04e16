#include "engine/mode_switch.h"

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

// The new colours everywhere, the timer on, and one repaint at the end of the freeze that
// the caller began.
void showNewColors() {
    rebuildThemeBrushes(currentTheme());
    applyAppMode();
    refreshWindows(RefreshScope::AllWindows);
    startAutoRefresh();
    endUpdate(UpdateEnd::OneLevel);
}

} // namespace

void switchBaseMode(Mode mode) {
    beginUpdate();
    ThemeState& theme = currentTheme();
    applyModePalette(theme, mode);
    theme.titleBar.reset();
    theme.titleText.reset();
    showNewColors();
}

bool showFollowedLook(WindowsColorSettings settings, FollowStep step) {
    const Mode mode = followedMode(settings);
    ThemeState& theme = currentTheme();
    if (step == FollowStep::LiveSwitch && mode == theme.mode) return false;

    if (mode == Mode::System) {
        restoreStockLook();  // keeps followsWindows
        startAutoRefresh();
        return true;
    }
    if (step == FollowStep::Entering) {
        switchBaseMode(mode);
        return true;
    }
    beginUpdate();
    const Color pageBefore = theme.pageBack;
    applyFollowedPalette(theme, mode);
    recolorOverlayBacks(pageBefore, theme.pageBack);
    showNewColors();
    return true;
}

} // namespace hueloom
