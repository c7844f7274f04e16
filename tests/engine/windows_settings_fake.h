#pragma once
// Windows' colour settings as the plug-in reads them, faked in the system-function table:
// the per-user "apps use light theme" value, its registry change notification, and high
// contrast. Install it in a scene (whose seam puts the table back).
#include <windows.h>

#include <optional>

namespace testing {

struct FakeWindowsSettings {
    bool keyExists = true;
    std::optional<DWORD> appsUseLightTheme;  // nullopt: no value
    bool highContrast = false;
    bool failHighContrastQuery = false;
    HANDLE armedEvent = nullptr;  // set once by the next change, as the registry does,
                                  // then no more until the plug-in arms it again
    int valueReads = 0;
    int highContrastReads = 0;
    int keysOpen = 0;             // opened and not closed again

    static FakeWindowsSettings& current();
    // A fresh fake in the live system-function table.
    static FakeWindowsSettings& install();

    // The user switches the dark setting: the value changes and an armed notification
    // fires; no broadcast.
    void setAppsDark(bool dark);
    void setHighContrast(bool on) { highContrast = on; }
};

// The broadcast Windows sends after the dark setting changed, to the host window only.
void sendImmersiveColorSetBroadcast(HWND window);
// The broadcast after high contrast was switched.
void sendHighContrastBroadcast(HWND window);

} // namespace testing
