#pragma once
// Watching the user's Windows colour settings while something depends on them: from GetInfo
// or SetMode "Auto" until Reset or the end of the publication. A change is seen at the
// next auto-refresh tick (a registry notification tested without waiting) or on the
// system's setting-change broadcast to the host window, whichever comes first.
#include <windows.h>

#include "theme/follow_windows.h"

namespace hueloom {

// One-shot: the check that follows a setting-change broadcast, once the broadcast is over.
inline constexpr UINT_PTR kSettingsCheckTimerId = 7733;

// Told after every change of the settings; `themeChanged` when Auto switched the look. The
// plug-in installs it and writes the variables: the engine knows no host.
using SettingsChangeListener = void (*)(bool themeChanged);

struct SettingsWatchState {
    bool watching = false;
    HWND subclassedWindow = nullptr;  // the host window, while it carries the subclass
    bool checkPending = false;        // the one-shot timer is set
    WindowsColorSettings settings;    // as last read
    SettingsChangeListener listener = nullptr;
};

[[nodiscard]] SettingsWatchState& settingsWatchState() noexcept;
void setSettingsChangeListener(SettingsChangeListener listener) noexcept;

// Reads the settings now and watches them from now on.
void startSettingsWatch();
// The notification closed, the subclass removed and the one-shot timer killed.
void stopSettingsWatch();
// The settings as last read while watching; otherwise read now.
[[nodiscard]] WindowsColorSettings currentWindowsSettings();

enum class SettingsRead {
    IfNotified,  // the tick: the dark setting only when its key has changed
    Always,      // after a broadcast, which may come before the registry's notification
};
// Reads what may have changed. On a change, Auto follows it and the listener is told.
void checkWindowsSettings(SettingsRead read);

LRESULT CALLBACK settingChangeSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR subclassId, DWORD_PTR refData);
void CALLBACK settingsCheckTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

} // namespace hueloom
