#include "windows_settings_fake.h"

#include <cwchar>

#include "platform/windows_color_settings.h"
#include "support/test_seam.h"

namespace testing {

namespace {

// Any non-null value the plug-in hands back to us.
HKEY const kFakeKey = reinterpret_cast<HKEY>(static_cast<intptr_t>(0x7E57));

LSTATUS WINAPI fakeOpenKey(HKEY root, LPCWSTR path, DWORD, REGSAM, PHKEY result) {
    FakeWindowsSettings& fake = FakeWindowsSettings::current();
    const bool settingKey = std::wcscmp(path, hueloom::kPersonalizeKeyPath) == 0;
    if (root != HKEY_CURRENT_USER || (settingKey && !fake.keyExists)) return ERROR_FILE_NOT_FOUND;
    fake.keysOpen += 1;
    *result = kFakeKey;
    return ERROR_SUCCESS;
}

LSTATUS WINAPI fakeQueryValue(HKEY, LPCWSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    FakeWindowsSettings& fake = FakeWindowsSettings::current();
    fake.valueReads += 1;
    if (std::wcscmp(name, hueloom::kAppsUseLightThemeValue) != 0 || !fake.appsUseLightTheme)
        return ERROR_FILE_NOT_FOUND;
    if (!data || !size || *size < sizeof(DWORD)) return ERROR_MORE_DATA;
    *type = REG_DWORD;
    *reinterpret_cast<DWORD*>(data) = *fake.appsUseLightTheme;
    *size = sizeof(DWORD);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI fakeNotify(HKEY, BOOL, DWORD, HANDLE event, BOOL) {
    FakeWindowsSettings::current().armedEvent = event;
    return ERROR_SUCCESS;
}

LSTATUS WINAPI fakeCloseKey(HKEY) {
    FakeWindowsSettings::current().keysOpen -= 1;
    return ERROR_SUCCESS;
}

BOOL WINAPI fakeSystemParametersInfo(UINT action, UINT size, PVOID data, UINT) {
    FakeWindowsSettings& fake = FakeWindowsSettings::current();
    if (action != SPI_GETHIGHCONTRAST || size != sizeof(HIGHCONTRASTW) || !data) return FALSE;
    fake.highContrastReads += 1;
    if (fake.failHighContrastQuery) return FALSE;
    static_cast<HIGHCONTRASTW*>(data)->dwFlags = fake.highContrast ? HCF_HIGHCONTRASTON | HCF_AVAILABLE : HCF_AVAILABLE;
    return TRUE;
}

} // namespace

FakeWindowsSettings& FakeWindowsSettings::current() {
    static FakeWindowsSettings fake;
    return fake;
}

FakeWindowsSettings& FakeWindowsSettings::install() {
    current() = FakeWindowsSettings{};
    hueloom::SystemFunctions& system = TestSeam::system();
    system.regOpenKeyExW = fakeOpenKey;
    system.regQueryValueExW = fakeQueryValue;
    system.regNotifyChangeKeyValue = fakeNotify;
    system.regCloseKey = fakeCloseKey;
    system.systemParametersInfoW = fakeSystemParametersInfo;
    return current();
}

void FakeWindowsSettings::setAppsDark(bool dark) {
    appsUseLightTheme = dark ? 0u : 1u;
    if (armedEvent) SetEvent(armedEvent);
    armedEvent = nullptr;
}

void sendImmersiveColorSetBroadcast(HWND window) {
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
}

void sendHighContrastBroadcast(HWND window) { SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0); }

} // namespace testing
