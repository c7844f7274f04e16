// SetMode, SetColors, SetAccent, SetTitleBar and Reset: the actions that change the theme
// directly.
#include <optional>
#include <utility>

#include "actions/action_result.h"
#include "actions/high_contrast_remark.h"
#include "actions/skin_variables.h"
#include "actions/theme_actions.h"
#include "common/text.h"
#include "engine/auto_refresh.h"
#include "engine/mode_switch.h"
#include "engine/native_theming.h"
#include "engine/settings_watch.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "paint/theme_brushes.h"
#include "platform/system_functions.h"
#include "theme/color.h"
#include "theme/follow_windows.h"
#include "theme/mode.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

// An optional colour parameter: blank text is not given; bad text is reported quoting
// the parameter as the script passed it.
struct ColorParameter {
    bool ok = true;
    std::optional<Color> color;
};

[[nodiscard]] ColorParameter readColorParameter(const std::wstring& text) {
    if (trimSpaces(text).empty()) return {};
    const ParsedColor parsed = parseColor(text);
    if (!parsed.ok) return {false, std::nullopt};
    return {true, parsed.color};
}

[[nodiscard]] ActionResult badColor(const std::wstring& asPassed) { return failed(L"Bad color '" + asPassed + L"'"); }

// The end of every action that changes the control colours: the pass over all windows,
// the timer, one repaint and the variables; then the answer.
ActionResult finishThemeChange(ActionHost& host, ActionResult whenComplete) {
    refreshWindows(RefreshScope::AllWindows);
    startAutoRefresh();
    endUpdate(UpdateEnd::OneLevel);
    exportSkinVariables(host);
    return answerAfterPass(std::move(whenComplete));
}

// The answer of a change to Dark or Light, which says when Windows cannot draw its own
// parts in the mode.
[[nodiscard]] ActionResult modeAnswer() {
    if (darkModeSupported()) return succeeded();
    return succeeded(L"OK - colors applied; native dark mode needs Windows 10 1809+ (build " +
                     decimalText(windowsBuild()) + L")");
}

// SetMode "Auto": Dark or Light as Windows asks, from now on; the stock look while high
// contrast is on.
ActionResult followWindows(ActionHost& host) {
    startSettingsWatch();
    const WindowsColorSettings settings = currentWindowsSettings();
    const bool followedBefore = currentTheme().followsWindows;
    currentTheme().followsWindows = true;
    if (showFollowedLook(settings, FollowStep::Entering) == FollowOutcome::NoBrushes) {
        currentTheme().followsWindows = followedBefore;
        return brushesUnavailable();
    }
    exportSkinVariables(host);
    exportWindowsSettingVariables(host, settings);
    return answerAfterPass(withHighContrastRemark(settings.highContrast ? succeeded() : modeAnswer()));
}

} // namespace

ActionResult brushesUnavailable() {
    return failed(L"Not enough GDI resources for the theme's brushes; nothing was changed");
}

ActionResult answerAfterPass(ActionResult whenComplete) {
    const size_t unfinished = controlsAwaitingTheme();
    if (unfinished == 0) return whenComplete;
    return failed(L"Not enough system resources to theme " + decimalText(static_cast<int64_t>(unfinished)) +
                  L" control(s); they are tried again at the next refresh");
}

ActionResult resetTheme(ActionParams, ActionHost& host) {
    // Nothing of the plug-in stays on a window, the settings watch included.
    currentTheme().followsWindows = false;
    stopSettingsWatch();
    restoreStockLook();
    host.setVariable(L"[Skin.Name]", L"");
    host.setVariable(L"[Skin.File]", L"");
    exportSkinVariables(host);
    return succeeded(L"OK - Reset to Windows defaults");
}

ActionResult setMode(ActionParams params, ActionHost& host) {
    const std::wstring& word = params[0];
    const std::optional<Mode> mode = readModeWord(word, ModeWords::Script);
    loadSystemFunctions();
    if (isAutoModeWord(word)) return followWindows(host);
    if (!mode) return failed(L"Unknown mode '" + word + L"'. Use Dark, Light or System");
    if (*mode == Mode::System) return resetTheme(params, host);

    // An explicit mode leaves Auto; when the system refuses the brushes, Auto stays too.
    const bool followedBefore = currentTheme().followsWindows;
    currentTheme().followsWindows = false;
    if (!switchBaseMode(*mode)) {
        currentTheme().followsWindows = followedBefore;
        return brushesUnavailable();
    }
    exportSkinVariables(host);
    return answerAfterPass(withHighContrastRemark(modeAnswer()));
}

ActionResult setColors(ActionParams params, ActionHost& host) {
    loadSystemFunctions();
    ThemeState& theme = currentTheme();
    // Each good colour is stored at once; a bad one stops the action with the earlier
    // ones kept, before anything is rebuilt or repainted.
    ThemeState next = theme;
    Color* const fields[] = {&next.controlBack, &next.controlText, &next.pageBack};
    for (size_t i = 0; i < std::size(fields); ++i) {
        const ColorParameter color = readColorParameter(params[i]);
        if (!color.ok) {
            theme.controlBack = next.controlBack;
            theme.controlText = next.controlText;
            theme.pageBack = next.pageBack;
            return badColor(params[i]);
        }
        if (color.color) *fields[i] = *color.color;
    }

    next.active = true;
    // Base colours of the author's own leave System, and Auto, for the mode they imply.
    const bool leavesMode = next.mode == Mode::System || next.followsWindows;
    if (leavesMode) {
        next.followsWindows = false;
        next.mode = isDarkColor(next.controlBack) ? Mode::Dark : Mode::Light;
    }
    if (!rebuildThemeBrushes(next)) return brushesUnavailable();
    beginUpdate();
    theme = std::move(next);
    if (leavesMode) applyAppMode();
    return finishThemeChange(host, withHighContrastRemark(succeeded()));
}

ActionResult setAccent(ActionParams params, ActionHost& host) {
    const std::wstring& colorText = params[0];
    const std::wstring& glyphSwitch = params[1];
    loadSystemFunctions();
    const ColorParameter accent = readColorParameter(colorText);
    if (!accent.ok) return badColor(colorText);
    ThemeState next = currentTheme();
    if (accent.color) next.accent = *accent.color;
    if (!trimSpaces(glyphSwitch).empty()) next.glyphs = !isOffWord(glyphSwitch);

    // Auto keeps following; in high contrast the accent waits for its end.
    if (next.followsWindows && next.mode == Mode::System) {
        currentTheme() = std::move(next);
        exportSkinVariables(host);
        return withHighContrastRemark(succeeded());
    }
    const bool leavesSystemMode = next.mode == Mode::System;
    if (leavesSystemMode) {
        applyModePalette(next, Mode::Light);  // overwrites the accent with the Light one
        if (accent.color) next.accent = *accent.color;
        if (!rebuildThemeBrushes(next)) return brushesUnavailable();
    }
    beginUpdate();
    currentTheme() = std::move(next);
    if (leavesSystemMode) applyAppMode();
    return finishThemeChange(host, withHighContrastRemark(succeeded()));
}

ActionResult setTitleBar(ActionParams params, ActionHost& host) {
    loadSystemFunctions();
    ThemeState& theme = currentTheme();
    // A good caption colour stays stored when the text colour is bad.
    std::optional<Color>* const fields[] = {&theme.titleBar, &theme.titleText};
    for (size_t i = 0; i < std::size(fields); ++i) {
        const ColorParameter color = readColorParameter(params[i]);
        if (!color.ok) return badColor(params[i]);
        *fields[i] = color.color;
    }

    // Auto's stock look in high contrast keeps the colours for its end, and themes nothing.
    const bool waitsForHighContrast = theme.followsWindows && theme.mode == Mode::System;
    // In System mode a caption colour needs a non-System mode to take effect, while the
    // plug-in's own control colours stay off.
    if (theme.mode == Mode::System && !waitsForHighContrast && (theme.titleBar || theme.titleText)) {
        theme.mode = Mode::Light;
        theme.active = false;
    }

    if (!waitsForHighContrast) reapplyTitleBars();
    exportSkinVariables(host);

    if (windowsBuild() >= kBuildCaptionColors) return succeeded();
    return succeeded(L"OK - caption colors need Windows 11 (build 22000+); immersive dark/light applied instead");
}

} // namespace hueloom
