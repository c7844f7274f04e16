#pragma once
// System functions resolved at run time. The table is also the test seam: tests install
// recording fakes in its entries and set the build cache (through tests/support/test_seam.h),
// because Wine lacks the undocumented dark-mode functions and reports an old build, and
// they make the calls that need resources fail.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "platform/resource_functions.h"

namespace hueloom {

struct SystemFunctions {
    bool loaded = false;  // one attempt per process

    HMODULE kernel32 = nullptr;
    HMODULE user32 = nullptr;
    HMODULE uxtheme = nullptr;
    HMODULE dwmapi = nullptr;
    HMODULE comctl32 = nullptr;
    HMODULE advapi32 = nullptr;

    FARPROC (WINAPI* getProcAddress)(HMODULE, LPCSTR) = nullptr;
    UINT (WINAPI* realGetWindowClassW)(HWND, LPWSTR, UINT) = nullptr;
    HRESULT (WINAPI* setWindowTheme)(HWND, LPCWSTR, LPCWSTR) = nullptr;
    // uxtheme exports without names, taken by ordinal from build 17763 on.
    BOOL (WINAPI* allowDarkModeForWindow)(HWND, BOOL) = nullptr;   // ordinal 133
    int (WINAPI* setPreferredAppMode)(int) = nullptr;              // ordinal 135
    void (WINAPI* flushMenuThemes)() = nullptr;                    // ordinal 136
    void (WINAPI* refreshImmersiveColorPolicyState)() = nullptr;   // ordinal 104
    HRESULT (WINAPI* dwmSetWindowAttribute)(HWND, DWORD, LPCVOID, DWORD) = nullptr;
    BOOL (WINAPI* setWindowSubclass)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR) = nullptr;
    BOOL (WINAPI* removeWindowSubclass)(HWND, SUBCLASSPROC, UINT_PTR) = nullptr;
    LRESULT (WINAPI* defSubclassProc)(HWND, UINT, WPARAM, LPARAM) = nullptr;
    // The user's colour settings (Auto, [Skin.SystemDark], [Skin.HighContrast]).
    LSTATUS (WINAPI* regOpenKeyExW)(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY) = nullptr;
    LSTATUS (WINAPI* regQueryValueExW)(HKEY, LPCWSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD) = nullptr;
    LSTATUS (WINAPI* regNotifyChangeKeyValue)(HKEY, BOOL, DWORD, HANDLE, BOOL) = nullptr;
    LSTATUS (WINAPI* regCloseKey)(HKEY) = nullptr;
    BOOL (WINAPI* systemParametersInfoW)(UINT, UINT, PVOID, UINT) = nullptr;
    HHOOK (WINAPI* setWindowsHookExW)(int, HOOKPROC, HINSTANCE, DWORD) = nullptr;
    BOOL (WINAPI* unhookWindowsHookEx)(HHOOK) = nullptr;
    LRESULT (WINAPI* callNextHookEx)(HHOOK, int, WPARAM, LPARAM) = nullptr;

    int32_t buildCache = -1;  // -1: not asked yet; afterwards the build or 0

    ResourceFunctions resources;  // bound at load, never null
};

inline constexpr int32_t kBuildDarkMode = 17763;        // Windows 10 1809
inline constexpr int32_t kBuildAppModeNumbers = 18362;  // ordinal 135 takes 0/2/3
inline constexpr int32_t kBuildDwmAttribute20 = 18985;
inline constexpr int32_t kBuildCaptionColors = 22000;  // Windows 11

// The process's one table.
[[nodiscard]] SystemFunctions& systemFunctions() noexcept;
// Process attach: an empty table, to be loaded again on first use.
inline void resetSystemFunctions() noexcept { systemFunctions() = SystemFunctions{}; }

void loadSystemFunctions();
// Forgets the module handles without freeing them (process detach).
void forgetSystemModules();
[[nodiscard]] int32_t windowsBuild();
[[nodiscard]] bool darkModeSupported();

} // namespace hueloom
