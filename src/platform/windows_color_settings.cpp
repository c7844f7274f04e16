#include "platform/windows_color_settings.h"

#include "platform/system_functions.h"

namespace hueloom {

namespace {

// The key itself first, then the parents that exist where it does not.
constexpr const wchar_t* kWatchedKeys[] = {
    kPersonalizeKeyPath,
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes",
    L"Software\\Microsoft\\Windows\\CurrentVersion",
};
constexpr DWORD kWatchedChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;

struct KeyWatch {
    HKEY key = nullptr;
    HANDLE event = nullptr;  // auto-reset: a zero wait that finds it set also clears it
    bool onSettingKey = false;
};

KeyWatch g_watch;

[[nodiscard]] bool canWatch(const SystemFunctions& functions) {
    return functions.regOpenKeyExW && functions.regNotifyChangeKeyValue && functions.regCloseKey;
}

[[nodiscard]] HKEY openKey(const wchar_t* path, REGSAM access) {
    const SystemFunctions& functions = systemFunctions();
    HKEY key = nullptr;
    if (!functions.regOpenKeyExW || functions.regOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

void closeKey(HKEY& key) {
    if (key && systemFunctions().regCloseKey) systemFunctions().regCloseKey(key);
    key = nullptr;
}

[[nodiscard]] bool arm() {
    // A parent is watched with its subtree, so that the key's creation shows.
    return systemFunctions().regNotifyChangeKeyValue(g_watch.key, !g_watch.onSettingKey, kWatchedChanges,
                                                     g_watch.event, TRUE) == ERROR_SUCCESS;
}

// The deepest key of kWatchedKeys that exists, watched from now on.
void watchDeepestKey() {
    for (const wchar_t* path : kWatchedKeys) {
        HKEY key = openKey(path, KEY_NOTIFY);
        if (!key) continue;
        closeKey(g_watch.key);
        g_watch.key = key;
        g_watch.onSettingKey = path == kPersonalizeKeyPath;
        if (!arm()) closeKey(g_watch.key);
        return;
    }
}

} // namespace

bool readAppsUseDarkTheme() {
    const SystemFunctions& functions = systemFunctions();
    if (!functions.regQueryValueExW) return false;
    HKEY key = openKey(kPersonalizeKeyPath, KEY_QUERY_VALUE);
    if (!key) return false;
    DWORD type = 0;
    DWORD value = 1;
    DWORD size = sizeof value;
    const LSTATUS status =
        functions.regQueryValueExW(key, kAppsUseLightThemeValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    closeKey(key);
    return status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof value && value == 0;
}

bool readHighContrastOn() {
    const auto systemParametersInfo = systemFunctions().systemParametersInfoW;
    if (!systemParametersInfo) return false;
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    if (!systemParametersInfo(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0)) return false;
    return (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void openSettingsKeyWatch() {
    if (g_watch.key || !canWatch(systemFunctions())) return;
    if (!g_watch.event) g_watch.event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (g_watch.event) watchDeepestKey();
}

bool settingsKeyChanged() {
    if (!g_watch.key || WaitForSingleObject(g_watch.event, 0) != WAIT_OBJECT_0) return false;
    if (g_watch.onSettingKey) {
        // A deleted key cannot be armed again: watch what is left of it.
        if (!arm()) watchDeepestKey();
    } else {
        watchDeepestKey();  // the key may exist now
    }
    return true;
}

void closeSettingsKeyWatch() {
    closeKey(g_watch.key);
    if (g_watch.event) CloseHandle(g_watch.event);
    g_watch = KeyWatch{};
}

bool settingsKeyWatched() noexcept { return g_watch.key != nullptr; }

void forgetSettingsKeyWatch() noexcept { g_watch = KeyWatch{}; }

} // namespace hueloom
