#include "theme/theme_actions.h"

#include <utility>

#include "common/text.h"
#include "engine/auto_refresh.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "platform/dark_mode.h"
#include "platform/system_functions.h"
#include "plugin/host_bridge.h"
#include "plugin/process_state.h"
#include "plugin/skin_variables.h"
#include "theme/color.h"

namespace hueloom {

namespace {

constexpr int32_t kNoTitleColor = -1;

[[nodiscard]] std::wstring badColorMessage(const std::wstring& asPassed) {
    return L"Bad color '" + asPassed + L"'";
}

// An optional colour parameter: blank text is not given; bad text is reported quoting
// the parameter as the script passed it.
struct ColorParameter {
    bool ok = true;
    bool given = false;
    Color color = 0;
};

[[nodiscard]] ColorParameter readColorParameter(const std::wstring& text) {
    if (trimSpaces(text).empty()) return {};
    const ParsedColor parsed = parseColor(text);
    if (!parsed.ok) {
        HostBridge::setLastError(badColorMessage(text));
        return {false, false, 0};
    }
    return {true, true, parsed.color};
}

// The end of every action that changes the control colours: the pass over all windows,
// the timer, one repaint and the variables.
void finishThemeChange() {
    refreshWindows(true);
    startAutoRefresh();
    endUpdate(false);
    exportSkinVariables();
}

} // namespace

int32_t setMode(const std::wstring& text) {
    const std::wstring m = normalizedWord(text);
    loadSystemFunctions();
    ThemeState& theme = process().theme;
    ThemeMode mode = ThemeMode::System;
    if (m == L"dark" || m == L"1") mode = ThemeMode::Dark;
    else if (m == L"light" || m == L"2") mode = ThemeMode::Light;
    else if (m.empty() || m == L"system" || m == L"default" || m == L"none" || m == L"0")
        return resetTheme(true);
    else {
        HostBridge::setLastError(L"Unknown mode '" + text + L"'. Use Dark, Light or System");
        return 0;
    }

    beginUpdate();
    theme.mode = mode;
    applyModePalette();
    theme.titleBar = kNoTitleColor;
    theme.titleText = kNoTitleColor;
    setAppDarkMode();
    finishThemeChange();

    if (darkModeSupported()) HostBridge::setLastError(L"OK");
    else
        HostBridge::setLastError(L"OK - colors applied; native dark mode needs Windows 10 1809+ (build " +
                                 decimalText(windowsBuild()) + L")");
    return 1;
}

int32_t setColors(const std::wstring& back, const std::wstring& text, const std::wstring& page) {
    loadSystemFunctions();
    ThemeState& theme = process().theme;
    // Each good colour is stored at once; a bad one stops the action with the earlier
    // ones kept, before anything is rebuilt or repainted.
    const std::pair<const std::wstring*, Color*> fields[] = {
        {&back, &theme.controlBack}, {&text, &theme.controlText}, {&page, &theme.pageBack}};
    for (const auto& [parameter, field] : fields) {
        const ColorParameter color = readColorParameter(*parameter);
        if (!color.ok) return 0;
        if (color.given) *field = color.color;
    }

    theme.active = true;
    rebuildBrushes();
    beginUpdate();
    if (theme.mode == ThemeMode::System) {
        theme.mode = isDarkColor(theme.controlBack) ? ThemeMode::Dark : ThemeMode::Light;
        setAppDarkMode();
    }
    finishThemeChange();
    HostBridge::setLastError(L"OK");
    return 1;
}

int32_t setAccent(const std::wstring& color, const std::wstring& glyphSwitch) {
    loadSystemFunctions();
    ThemeState& theme = process().theme;
    const ColorParameter accent = readColorParameter(color);
    if (!accent.ok) return 0;
    if (accent.given) theme.accent = accent.color;

    if (!trimSpaces(glyphSwitch).empty()) theme.glyphs = !isOffWord(glyphSwitch);

    beginUpdate();
    if (theme.mode == ThemeMode::System) {
        theme.mode = ThemeMode::Light;
        applyModePalette();  // overwrites the accent with the Light one
        if (accent.given) theme.accent = accent.color;
        setAppDarkMode();
    }
    finishThemeChange();
    HostBridge::setLastError(L"OK");
    return 1;
}

int32_t setTitleBar(const std::wstring& caption, const std::wstring& captionText) {
    loadSystemFunctions();
    ThemeState& theme = process().theme;
    // A good caption colour stays stored when the text colour is bad.
    const std::pair<const std::wstring*, int32_t*> fields[] = {{&caption, &theme.titleBar},
                                                               {&captionText, &theme.titleText}};
    for (const auto& [parameter, field] : fields) {
        const ColorParameter color = readColorParameter(*parameter);
        if (!color.ok) return 0;
        *field = color.given ? static_cast<int32_t>(color.color) : kNoTitleColor;
    }

    // In System mode a caption colour needs a non-System mode to take effect, while the
    // plug-in's own control colours stay off.
    if (theme.mode == ThemeMode::System && (theme.titleBar >= 0 || theme.titleText >= 0)) {
        theme.mode = ThemeMode::Light;
        theme.active = false;
    }

    process().windows.titleBarWindows.clear();
    EnumThreadWindows(GetCurrentThreadId(), themeTopLevel, 0);
    redrawTitleBarWindows();
    exportSkinVariables();

    if (windowsBuild() >= kBuildCaptionColors) HostBridge::setLastError(L"OK");
    else
        HostBridge::setLastError(
            L"OK - caption colors need Windows 11 (build 22000+); immersive dark/light applied instead");
    return 1;
}

int32_t resetTheme(bool report) {
    loadSystemFunctions();
    beginUpdate();
    ProcessState& state = process();
    ThemeState& theme = state.theme;
    theme.mode = ThemeMode::System;
    theme.active = false;
    theme.titleBar = kNoTitleColor;
    theme.titleText = kNoTitleColor;
    theme.controlBack = makeColor(255, 255, 255);
    theme.controlText = makeColor(0, 0, 0);
    theme.pageBack = makeColor(240, 240, 240);
    stopAutoRefresh();

    // Handles are collected first: restoring a window may send messages that reach code
    // which touches the registries.
    ThemedWindowRegistry& windows = state.windows;
    for (HWND window : windows.themedControls.keys()) {
        const int32_t* kind = windows.themedControls.find(window);
        if (!kind || !IsWindow(window)) continue;
        applyDarkModeToWindow(window, static_cast<ControlKind>(*kind));
        InvalidateRect(window, nullptr, TRUE);
    }
    for (HWND window : windows.titleBarWindows.keys())
        if (IsWindow(window)) applyTitleBar(window);
    setAppDarkMode();

    removeColorSubclasses();
    removeGlyphSubclasses();
    removeAllOverlays();
    redrawTitleBarWindows();
    windows.themedControls.clear();
    windows.titleBarWindows.clear();
    theme.skinName.clear();
    theme.skinFile.clear();
    endUpdate(false);

    if (report) {
        HostBridge::setVariable(L"[Skin.Name]", L"");
        HostBridge::setVariable(L"[Skin.File]", L"");
        exportSkinVariables();
        HostBridge::setLastError(L"OK - Reset to Windows defaults");
    }
    return 1;
}

} // namespace hueloom
