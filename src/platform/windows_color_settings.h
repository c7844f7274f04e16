#pragma once
// The user's colour settings as Windows keeps them: whether applications are asked for
// dark colours, whether high contrast is on, and a change notification on the first. Every
// call goes through the run-time system-function table; what to do about them is the
// engine's business.
#include <windows.h>

namespace hueloom {

inline constexpr wchar_t kPersonalizeKeyPath[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
inline constexpr wchar_t kAppsUseLightThemeValue[] = L"AppsUseLightTheme";

// True when the per-user "AppsUseLightTheme" is the number 0. A missing key or value (as
// on builds without the setting, and under Wine by default), another type or a failed
// read count as light.
[[nodiscard]] bool readAppsUseDarkTheme();
// HCF_HIGHCONTRASTON of SPI_GETHIGHCONTRAST; false when it cannot be asked.
[[nodiscard]] bool readHighContrastOn();

// A registry change notification on the setting's key, tested without waiting, so that a
// periodic check costs next to nothing. A key that does not exist yet is watched through
// its nearest existing parent (with its subtree) until it appears.
void openSettingsKeyWatch();
// True once after each change under the watched key; the notification is armed again.
// Always false while no watch could be made.
[[nodiscard]] bool settingsKeyChanged();
void closeSettingsKeyWatch();
[[nodiscard]] bool settingsKeyWatched() noexcept;
// Process attach and detach: the handles are dropped without a call (no registry work
// under the loader lock).
void forgetSettingsKeyWatch() noexcept;

} // namespace hueloom
