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
// the timer, one repaint and the variables.
void finishThemeChange(ActionHost& host) {
    refreshWindows(RefreshScope::AllWindows);
    startAutoRefresh();
    endUpdate(UpdateEnd::OneLevel);
    exportSkinVariables(host);
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
    currentTheme().followsWindows = true;
    showFollowedLook(settings, FollowStep::Entering);
    exportSkinVariables(host);
    exportWindowsSettingVariables(host, settings);
    return withHighContrastRemark(settings.highContrast ? succeeded() : modeAnswer());
}

} // namespace

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

    currentTheme().followsWindows = false;
    switchBaseMode(*mode);
    exportSkinVariables(host);
    return withHighContrastRemark(modeAnswer());
}

ActionResult setColors(ActionParams params, ActionHost& host) {
    loadSystemFunctions();
    ThemeState& theme = currentTheme();
    // Each good colour is stored at once; a bad one stops the action with the earlier
    // ones kept, before anything is rebuilt or repainted.
    Color* const fields[] = {&theme.controlBack, &theme.controlText, &theme.pageBack};
    for (size_t i = 0; i < std::size(fields); ++i) {
        const ColorParameter color = readColorParameter(params[i]);
        if (!color.ok) return badColor(params[i]);
        if (color.color) *fields[i] = *color.color;
    }

    theme.active = true;
    rebuildThemeBrushes(theme);
    beginUpdate();
    // Base colours of the author's own leave Auto, as they leave System, for the mode
    // they imply.
    if (theme.mode == Mode::System || theme.followsWindows) {
        theme.followsWindows = false;
        theme.mode = isDarkColor(theme.controlBack) ? Mode::Dark : Mode::Light;
        applyAppMode();
    }
    finishThemeChange(host);
    return withHighContrastRemark(succeeded());
}

ActionResult setAccent(ActionParams params, ActionHost& host) {
    const std::wstring& colorText = params[0];
    const std::wstring& glyphSwitch = params[1];
    loadSystemFunctions();
    ThemeState& theme = currentTheme();
    const ColorParameter accent = readColorParameter(colorText);
    if (!accent.ok) return badColor(colorText);
    if (accent.color) theme.accent = *accent.color;

    if (!trimSpaces(glyphSwitch).empty()) theme.glyphs = !isOffWord(glyphSwitch);

    // Auto keeps following; in high contrast the accent waits for its end.
    if (theme.followsWindows && theme.mode == Mode::System) {
        exportSkinVariables(host);
        return withHighContrastRemark(succeeded());
    }
    beginUpdate();
    if (theme.mode == Mode::System) {
        applyModePalette(theme, Mode::Light);  // overwrites the accent with the Light one
        rebuildThemeBrushes(theme);
        if (accent.color) theme.accent = *accent.color;
        applyAppMode();
    }
    finishThemeChange(host);
    return withHighContrastRemark(succeeded());
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
