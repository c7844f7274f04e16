// WindowsDarkSetting's registry work: the prefix's value written as asked and the prefix put
// back as it was, keys created for the change included.
#include <doctest.h>

#include <windows.h>

#include <optional>

#include "windows_setting.h"

using namespace standin;

namespace {

constexpr wchar_t kPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

std::optional<DWORD> value() {
    DWORD number = 0, size = sizeof number;
    if (RegGetValueW(HKEY_CURRENT_USER, kPath, L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &number, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return number;
}

bool personalizeExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

TEST_CASE("WindowsDarkSetting writes 0 for dark, 1 for light, nothing for none, and puts it all back") {
    const std::optional<DWORD> before = value();
    const bool existed = personalizeExists();

    CHECK(changeAppsTheme(AppsTheme::Dark, false).empty());
    CHECK(value() == 0u);
    CHECK(changeAppsTheme(AppsTheme::Light, false).empty());
    CHECK(value() == 1u);
    CHECK(changeAppsTheme(AppsTheme::Unset, false).empty());
    CHECK_FALSE(value().has_value());
    CHECK(changeAppsTheme(AppsTheme::Dark, true).empty());  // and tells this thread's windows
    restoreAppsTheme();

    CHECK(value() == before);
    CHECK(personalizeExists() == existed);
    restoreAppsTheme();  // a second time: nothing to put back
    CHECK(value() == before);
}
