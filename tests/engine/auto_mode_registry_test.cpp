// Auto against the real registry of the Wine prefix the tests run in: the setting is
// changed from this process, as the user's Settings app would, and the change is seen
// through the real change notification or the real broadcast. Every test puts the prefix
// back as it found it.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "engine/auto_refresh.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "platform/windows_color_settings.h"
#include "support/test_seam.h"
#include "theme/theme_state.h"
#include "theme_test_support.h"

using namespace hueloom;
using namespace testing;

namespace {

constexpr int kSetMode = 2;
constexpr wchar_t kThemesPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes";

bool keyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

DWORD valueCount(const wchar_t* path) {
    HKEY key = nullptr;
    DWORD values = 0;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(key);
    return values;
}

// The "apps use light theme" value of the prefix, put back when the object goes.
class PrefixSetting {
public:
    PrefixSetting()
        : themesExisted_(keyExists(kThemesPath)), personalizeExisted_(keyExists(kPersonalizeKeyPath)),
          original_(read()) {}
    ~PrefixSetting() {
        if (original_) set(*original_);
        else removeValue();
        if (!personalizeExisted_) RegDeleteKeyW(HKEY_CURRENT_USER, kPersonalizeKeyPath);
        if (!themesExisted_) RegDeleteKeyW(HKEY_CURRENT_USER, kThemesPath);
    }
    PrefixSetting(const PrefixSetting&) = delete;
    PrefixSetting& operator=(const PrefixSetting&) = delete;

    void set(DWORD appsUseLightTheme) {
        HKEY key = nullptr;
        REQUIRE(RegCreateKeyExW(HKEY_CURRENT_USER, kPersonalizeKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                nullptr) == ERROR_SUCCESS);
        RegSetValueExW(key, kAppsUseLightThemeValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&appsUseLightTheme),
                       sizeof appsUseLightTheme);
        RegCloseKey(key);
    }
    void removeValue() {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kPersonalizeKeyPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
        RegDeleteValueW(key, kAppsUseLightThemeValue);
        RegCloseKey(key);
    }
    // The key gone, when nothing but the setting is in it (else false: the prefix is kept).
    bool removeKey() {
        if (!keyExists(kPersonalizeKeyPath)) return true;
        if (valueCount(kPersonalizeKeyPath) > (original_ ? 1u : 0u)) return false;
        return RegDeleteKeyW(HKEY_CURRENT_USER, kPersonalizeKeyPath) == ERROR_SUCCESS;
    }

private:
    static std::optional<DWORD> read() {
        DWORD value = 0, size = sizeof value, type = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, kPersonalizeKeyPath, kAppsUseLightThemeValue, RRF_RT_REG_DWORD, &type,
                         &value, &size) != ERROR_SUCCESS)
            return std::nullopt;
        return value;
    }

    bool themesExisted_;
    bool personalizeExisted_;
    std::optional<DWORD> original_;
};

// The registry and SystemParametersInfo of the system itself in the scene's table.
void useRealSettingsFunctions() {
    SystemFunctions& system = TestSeam::system();
    system.regOpenKeyExW = RegOpenKeyExW;
    system.regQueryValueExW = RegQueryValueExW;
    system.regNotifyChangeKeyValue = RegNotifyChangeKeyValue;
    system.regCloseKey = RegCloseKey;
    system.systemParametersInfoW = SystemParametersInfoW;
}

BOOL CALLBACK sendColorSetChange(HWND window, LPARAM) {
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
    return TRUE;
}

// What the user's Settings app sends to every top-level window after the change, here to
// this thread's windows only: the Wine desktop is shared with other programs.
void broadcastColorSetChange() { EnumThreadWindows(GetCurrentThreadId(), sendColorSetChange, 0); }


bool isDark() { return currentTheme().mode == Mode::Dark && currentTheme().active; }
bool isLight() { return currentTheme().mode == Mode::Light && currentTheme().active; }

} // namespace

TEST_CASE("the prefix's setting flips Auto both ways, by notification and by broadcast") {
    PrefixSetting setting;
    EngineScene scene(19045);
    useRealSettingsFunctions();
    (void)scene.child(WC_EDITW);
    setting.set(1);
    REQUIRE(executeAction(kSetMode, {"Auto"}) == 1);
    CHECK(isLight());
    CHECK(host().var("[Skin.SystemDark]") == "0");

    setting.set(0);  // no broadcast: the key's notification, seen at a tick
    CHECK(pumpUntil(isDark, 1500));
    CHECK(host().var("[Skin.SystemDark]") == "1");
    CHECK(host().var("[Skin.ControlBack]") == "32,32,32");

    stopAutoRefresh();  // only the broadcast is left to tell
    setting.set(1);
    broadcastColorSetChange();
    CHECK(pumpUntil(isLight, 300));
    CHECK(host().var("[Skin.SystemDark]") == "0");
    CHECK(host().var("[Skin.Mode]") == "Auto");
}

TEST_CASE("a prefix without the key: Light, and Dark once the key appears with 0") {
    PrefixSetting setting;
    if (!setting.removeKey()) {
        MESSAGE("the prefix's Personalize key holds other values; left as it is");
        return;
    }
    EngineScene scene(19045);
    useRealSettingsFunctions();
    REQUIRE(executeAction(kSetMode, {"Auto"}) == 1);
    CHECK(isLight());
    setting.set(0);
    CHECK(pumpUntil(isDark, 1500));
}
