#include "windows_setting.h"

#include <windows.h>

#include <optional>

namespace standin {

namespace {

constexpr wchar_t kThemesPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes";
constexpr wchar_t kPersonalizePath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr wchar_t kValueName[] = L"AppsUseLightTheme";

// The prefix as the first change found it.
struct Original {
    bool themesExisted = false;
    bool personalizeExisted = false;
    std::optional<DWORD> value;
};
std::optional<Original> g_original;

bool keyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::optional<DWORD> readValue() {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kPersonalizePath, kValueName, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool writeValue(std::optional<DWORD> value) {
    HKEY key = nullptr;
    if (!value) {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kPersonalizePath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return true;
        const LSTATUS status = RegDeleteValueW(key, kValueName);
        RegCloseKey(key);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kPersonalizePath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const DWORD number = *value;
    const LSTATUS status =
        RegSetValueExW(key, kValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

// Windows sends this to every top-level window; here only the host's own get it, because
// the Wine desktop is shared with other programs, which a real broadcast would reach (and
// wait for).
BOOL CALLBACK announceColorSetChange(HWND window, LPARAM) {
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
    return TRUE;
}

}  // namespace

std::string changeAppsTheme(AppsTheme theme, bool broadcast) {
    if (!g_original) g_original = Original{keyExists(kThemesPath), keyExists(kPersonalizePath), readValue()};
    const std::optional<DWORD> value =
        theme == AppsTheme::Unset ? std::nullopt : std::optional<DWORD>(theme == AppsTheme::Dark ? 0 : 1);
    if (!writeValue(value)) return "the registry refused the setting";
    if (broadcast) EnumThreadWindows(GetCurrentThreadId(), announceColorSetChange, 0);
    return {};
}

void restoreAppsTheme() {
    if (!g_original) return;
    (void)writeValue(g_original->value);
    if (!g_original->personalizeExisted) RegDeleteKeyW(HKEY_CURRENT_USER, kPersonalizePath);
    if (!g_original->themesExisted) RegDeleteKeyW(HKEY_CURRENT_USER, kThemesPath);
    g_original.reset();
}

}  // namespace standin
