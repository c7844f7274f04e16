// What watching Windows' colour settings adds to each auto-refresh tick: the check with
// nothing changed, its two parts, and the plain registry read it avoids, with the real
// functions of the Wine prefix. Rounds alternate the figures.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench.h"
#include "engine/host_window.h"
#include "engine/settings_watch.h"
#include "platform/system_functions.h"
#include "platform/windows_color_settings.h"
#include "plugin/lifecycle.h"

namespace {

using namespace hueloom;

constexpr int kCalls = 2000;

struct Figure {
    const char* name;
    std::function<void()> call;
    std::vector<double> perCallUs;
    uint64_t allocations = 0;
};

bool keyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void measure(const bench::Options& options, const char* situation) {
    HWND window = CreateWindowExW(0, L"STATIC", L"Settings benchmark", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    pluginStartup();
    setHostWindow(window);
    startSettingsWatch();
    std::printf("-- %s; the watch is %s\n", situation, settingsKeyWatched() ? "armed" : "not armed");

    std::vector<Figure> figures = {
        {"check at a tick, nothing changed", [] { checkWindowsSettings(SettingsRead::IfNotified); }},
        {"  of which the zero wait on the notification", [] { (void)settingsKeyChanged(); }},
        {"  of which SPI_GETHIGHCONTRAST", [] { (void)readHighContrastOn(); }},
        {"reading the value instead (open, query, close)", [] { (void)readAppsUseDarkTheme(); }},
    };
    for (int round = 0; round < options.rounds; ++round) {
        for (Figure& figure : figures) {
            const uint64_t allocationsBefore = bench::allocationCount();
            const double start = bench::nowUs();
            for (int i = 0; i < kCalls; ++i) figure.call();
            const double elapsed = bench::nowUs() - start;
            figure.allocations += bench::allocationCount() - allocationsBefore;
            figure.perCallUs.push_back(elapsed / kCalls);
        }
    }
    for (const Figure& figure : figures)
        std::printf("%-48s %8.2f us per call (median of %d rounds of %d), %llu allocations\n", figure.name,
                    bench::median(figure.perCallUs), options.rounds, kCalls,
                    static_cast<unsigned long long>(figure.allocations));

    stopSettingsWatch();
    DestroyWindow(window);
    pluginStartup();
}

// As the prefix is, and with the setting's key present (created for the run and removed
// again when it was not there: the prefix is shared).
void runSettingsBenchmark(const bench::Options& options) {
    constexpr wchar_t kThemes[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes";
    const bool themesExisted = keyExists(kThemes);
    const bool keyExisted = keyExists(kPersonalizeKeyPath);
    measure(options, keyExisted ? "the setting's key present" : "no setting's key (its parent watched)");
    if (keyExisted) return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kPersonalizeKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    const DWORD light = 1;
    RegSetValueExW(key, kAppsUseLightThemeValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&light), sizeof light);
    RegCloseKey(key);
    measure(options, "the setting's key present");
    RegDeleteKeyW(HKEY_CURRENT_USER, kPersonalizeKeyPath);
    if (!themesExisted) RegDeleteKeyW(HKEY_CURRENT_USER, kThemes);
}

} // namespace

HUELOOM_BENCHMARK("Windows colour settings", runSettingsBenchmark)
