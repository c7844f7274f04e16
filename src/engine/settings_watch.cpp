#include "engine/settings_watch.h"

#include <cwchar>

#include "engine/host_window.h"
#include "engine/mode_switch.h"
#include "platform/module_pin.h"
#include "platform/process_lifetime.h"
#include "platform/subclass.h"
#include "platform/system_functions.h"
#include "platform/windows_color_settings.h"
#include "theme/follow_windows.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

[[nodiscard]] WindowsColorSettings readSettings() { return {readAppsUseDarkTheme(), readHighContrastOn()}; }

// The broadcasts that announce a new dark setting or a switch of high contrast.
[[nodiscard]] bool announcesColorChange(WPARAM wParam, LPARAM lParam) {
    if (wParam == SPI_SETHIGHCONTRAST) return true;
    const auto* area = reinterpret_cast<const wchar_t*>(lParam);
    return area && std::wcscmp(area, L"ImmersiveColorSet") == 0;
}

void scheduleSettingsCheck(HWND window) {
    SettingsWatchState& watch = settingsWatchState();
    if (watch.checkPending || shuttingDown()) return;
    // Not at once: the broadcaster is waiting for this window's answer.
    if (SetTimer(window, kSettingsCheckTimerId, 0, settingsCheckTick)) watch.checkPending = true;
}

void cancelSettingsCheck() {
    SettingsWatchState& watch = settingsWatchState();
    if (!watch.checkPending) return;
    KillTimer(watch.subclassedWindow ? watch.subclassedWindow : hostWindow(), kSettingsCheckTimerId);
    watch.checkPending = false;
}

void removeHostSubclass() {
    SettingsWatchState& watch = settingsWatchState();
    if (watch.subclassedWindow && IsWindow(watch.subclassedWindow))
        removeSubclass(watch.subclassedWindow, settingChangeSubclassProc, SubclassId::SettingChange);
    watch.subclassedWindow = nullptr;
}

void subclassHostWindow() {
    SettingsWatchState& watch = settingsWatchState();
    const HWND host = hostWindow();
    if (watch.subclassedWindow == host || !host || !IsWindow(host)) return;
    cancelSettingsCheck();  // the host named another window since
    removeHostSubclass();
    if (installSubclass(host, settingChangeSubclassProc, SubclassId::SettingChange)) {
        watch.subclassedWindow = host;
        pinModule();  // the host window now calls into this module
    }
}

} // namespace

void setSettingsChangeListener(SettingsChangeListener listener) noexcept { settingsWatchState().listener = listener; }

void startSettingsWatch() {
    loadSystemFunctions();
    SettingsWatchState& watch = settingsWatchState();
    openSettingsKeyWatch();
    (void)settingsKeyChanged();  // a change before now is read below
    watch.settings = readSettings();
    subclassHostWindow();
    watch.watching = true;
}

void stopSettingsWatch() {
    SettingsWatchState& watch = settingsWatchState();
    cancelSettingsCheck();
    removeHostSubclass();
    closeSettingsKeyWatch();
    watch.watching = false;
}

WindowsColorSettings currentWindowsSettings() {
    if (settingsWatchState().watching) return settingsWatchState().settings;
    loadSystemFunctions();
    return readSettings();
}

void checkWindowsSettings(SettingsRead read) {
    SettingsWatchState& watch = settingsWatchState();
    if (!watch.watching || shuttingDown()) return;
    WindowsColorSettings now = watch.settings;
    if (settingsKeyChanged() || read == SettingsRead::Always) now.appsDark = readAppsUseDarkTheme();
    now.highContrast = readHighContrastOn();
    const bool settingsChanged = !(now == watch.settings);
    watch.settings = now;
    // A switch refused for lack of GDI objects is tried again at every check until it is made.
    const ThemeState& theme = currentTheme();
    const bool lookBehind = theme.followsWindows && followedMode(now) != theme.mode;
    if (!settingsChanged && !lookBehind) return;

    const bool themeChanged =
        lookBehind && showFollowedLook(now, FollowStep::LiveSwitch) == FollowOutcome::Changed;
    if (watch.listener && (settingsChanged || themeChanged)) watch.listener(themeChanged);
}

LRESULT CALLBACK settingChangeSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR subclassId, DWORD_PTR) {
    switch (message) {
    case WM_SETTINGCHANGE:
        if (announcesColorChange(wParam, lParam)) scheduleSettingsCheck(window);
        break;
    case WM_NCDESTROY:
        cancelSettingsCheck();
        if (auto removeWindowSubclass = systemFunctions().removeWindowSubclass)
            removeWindowSubclass(window, settingChangeSubclassProc, subclassId);
        if (settingsWatchState().subclassedWindow == window) settingsWatchState().subclassedWindow = nullptr;
        break;
    default:
        break;
    }
    return defaultSubclassProcessing(window, message, wParam, lParam);
}

void CALLBACK settingsCheckTick(HWND window, UINT, UINT_PTR, DWORD) {
    KillTimer(window, kSettingsCheckTimerId);
    settingsWatchState().checkPending = false;
    // A timer procedure is called by the system: nothing may leave it as an exception.
    try {
        checkWindowsSettings(SettingsRead::Always);
    } catch (...) {
    }
}

} // namespace hueloom
