#include "platform/system_functions.h"

#include "platform/dark_mode_ordinals.h"

namespace hueloom {

namespace {

constexpr WORD kOrdinalAllowDarkModeForWindow = 133;
constexpr WORD kOrdinalSetPreferredAppMode = 135;
constexpr WORD kOrdinalFlushMenuThemes = 136;
constexpr WORD kOrdinalRefreshImmersiveColorPolicyState = 104;

// The documented size of RTL_OSVERSIONINFOEXW; the mingw headers agree.
constexpr ULONG kOsVersionInfoExSize = 284;
static_assert(sizeof(RTL_OSVERSIONINFOEXW) == kOsVersionInfoExSize);

template <class Function>
void lookUp(HMODULE module, const char* name, Function& entry) noexcept {
    entry = module ? reinterpret_cast<Function>(GetProcAddress(module, name)) : nullptr;
}

template <class Function>
void lookUpOrdinal(SystemFunctions& functions, WORD ordinal, Function& entry) noexcept {
    entry = reinterpret_cast<Function>(functions.getProcAddress(functions.uxtheme, MAKEINTRESOURCEA(ordinal)));
}

SystemFunctions g_functions;

} // namespace

SystemFunctions& systemFunctions() noexcept { return g_functions; }

void resolveDarkModeOrdinals() {
    SystemFunctions& functions = g_functions;
    functions.allowDarkModeForWindow = nullptr;
    functions.setPreferredAppMode = nullptr;
    functions.flushMenuThemes = nullptr;
    functions.refreshImmersiveColorPolicyState = nullptr;
    if (!functions.uxtheme || !functions.getProcAddress || !darkModeSupported()) return;

    lookUpOrdinal(functions, kOrdinalAllowDarkModeForWindow, functions.allowDarkModeForWindow);
    lookUpOrdinal(functions, kOrdinalSetPreferredAppMode, functions.setPreferredAppMode);
    lookUpOrdinal(functions, kOrdinalFlushMenuThemes, functions.flushMenuThemes);
    lookUpOrdinal(functions, kOrdinalRefreshImmersiveColorPolicyState,
                  functions.refreshImmersiveColorPolicyState);

    const bool complete = functions.allowDarkModeForWindow && functions.setPreferredAppMode &&
                          functions.flushMenuThemes;
    if (!complete) {
        functions.allowDarkModeForWindow = nullptr;
        functions.setPreferredAppMode = nullptr;
        functions.flushMenuThemes = nullptr;
        functions.refreshImmersiveColorPolicyState = nullptr;
    }
}

void loadSystemFunctions() {
    SystemFunctions& functions = g_functions;
    if (functions.loaded) return;
    // Set first: whatever fails below is never tried again in this process.
    functions.loaded = true;

    functions.kernel32 = LoadLibraryW(L"kernel32.dll");
    lookUp(functions.kernel32, "GetProcAddress", functions.getProcAddress);

    functions.user32 = LoadLibraryW(L"user32.dll");
    lookUp(functions.user32, "RealGetWindowClassW", functions.realGetWindowClassW);
    lookUp(functions.user32, "SystemParametersInfoW", functions.systemParametersInfoW);
    lookUp(functions.user32, "SetWindowsHookExW", functions.setWindowsHookExW);
    lookUp(functions.user32, "UnhookWindowsHookEx", functions.unhookWindowsHookEx);
    lookUp(functions.user32, "CallNextHookEx", functions.callNextHookEx);

    functions.uxtheme = LoadLibraryW(L"uxtheme.dll");
    lookUp(functions.uxtheme, "SetWindowTheme", functions.setWindowTheme);
    resolveDarkModeOrdinals();

    functions.dwmapi = LoadLibraryW(L"dwmapi.dll");
    lookUp(functions.dwmapi, "DwmSetWindowAttribute", functions.dwmSetWindowAttribute);

    functions.comctl32 = LoadLibraryW(L"comctl32.dll");
    lookUp(functions.comctl32, "SetWindowSubclass", functions.setWindowSubclass);
    lookUp(functions.comctl32, "RemoveWindowSubclass", functions.removeWindowSubclass);
    lookUp(functions.comctl32, "DefSubclassProc", functions.defSubclassProc);

    functions.advapi32 = LoadLibraryW(L"advapi32.dll");
    lookUp(functions.advapi32, "RegOpenKeyExW", functions.regOpenKeyExW);
    lookUp(functions.advapi32, "RegQueryValueExW", functions.regQueryValueExW);
    lookUp(functions.advapi32, "RegNotifyChangeKeyValue", functions.regNotifyChangeKeyValue);
    lookUp(functions.advapi32, "RegCloseKey", functions.regCloseKey);
}

void forgetSystemModules() {
    // The libraries stay loaded for the life of the process; only the handles are dropped.
    SystemFunctions& functions = g_functions;
    functions.kernel32 = nullptr;
    functions.user32 = nullptr;
    functions.uxtheme = nullptr;
    functions.dwmapi = nullptr;
    functions.comctl32 = nullptr;
    functions.advapi32 = nullptr;
}

int32_t windowsBuild() {
    int32_t& cache = g_functions.buildCache;
    if (cache >= 0) return cache;
    cache = 0;  // a failure below is answered with 0 from now on
    HMODULE ntdll = LoadLibraryW(L"ntdll.dll");
    if (!ntdll) return cache;
    using RtlGetVersionFunction = LONG(WINAPI*)(RTL_OSVERSIONINFOEXW*);
    RtlGetVersionFunction rtlGetVersion = nullptr;
    lookUp(ntdll, "RtlGetVersion", rtlGetVersion);
    if (rtlGetVersion) {
        RTL_OSVERSIONINFOEXW info{};
        info.dwOSVersionInfoSize = kOsVersionInfoExSize;
        rtlGetVersion(&info);
        cache = static_cast<int32_t>(info.dwBuildNumber);
        if (cache < 0) cache = 0;
    }
    FreeLibrary(ntdll);
    return cache;
}

bool darkModeSupported() { return windowsBuild() >= kBuildDarkMode; }

} // namespace hueloom
