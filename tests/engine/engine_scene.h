#pragma once
// Shared by the engine tests: recording fakes in the system-function table, and a host
// window with controls that is torn down again after each test.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "engine/control_kind.h"
#include "support/test_seam.h"
#include "theme/mode.h"

namespace testing {

// What the fakes in `testing::TestSeam::system()` were asked to do.
struct SystemCallLog {
    struct ThemeCall {
        HWND window;
        std::wstring name;  // "<null>" for a reset to the default theme
    };
    struct DwmCall {
        HWND window;
        DWORD attribute;
        DWORD value;
    };
    std::vector<std::pair<HWND, BOOL>> allowDarkMode;  // ordinal 133
    std::vector<int> preferredAppMode;                  // ordinal 135
    int flushMenuThemes = 0;                            // ordinal 136
    int refreshColorPolicy = 0;                         // ordinal 104
    std::vector<ThemeCall> themes;
    std::vector<DwmCall> dwm;
    std::vector<HWND> subclassed;      // SetWindowSubclass, passed on to comctl32
    std::vector<HWND> classNameReads;  // RealGetWindowClassW, passed on to user32

    static SystemCallLog& current();
    void clear() { *this = SystemCallLog{}; }

    [[nodiscard]] int themeCallsFor(HWND window) const;
    [[nodiscard]] std::wstring lastThemeFor(HWND window) const;  // "" when none
    [[nodiscard]] int subclassCallsFor(HWND window) const;
    [[nodiscard]] int classNameReadsFor(HWND window) const;
    [[nodiscard]] std::vector<DwmCall> dwmFor(HWND window) const;
};

// Installs recording fakes for every entry of the table and fakes the Windows build.
// `withOrdinals` false leaves the four dark-mode ordinals null, as on an older system.
void installRecordingSystem(int build, bool withOrdinals = true);

// A host window handed to a freshly reset plug-in, with fakes installed. Destroys every
// window it made (and any registered with `own`) when it goes.
class EngineScene {
public:
    explicit EngineScene(int build = 19045, bool withOrdinals = true);
    ~EngineScene();
    EngineScene(const EngineScene&) = delete;
    EngineScene& operator=(const EngineScene&) = delete;

    [[nodiscard]] HWND host() const { return host_; }
    HWND child(const wchar_t* className, DWORD style = 0, const wchar_t* text = L"", HWND parent = nullptr);
    HWND topLevel(DWORD style, HWND owner = nullptr);
    HWND own(HWND window);

    // Theme state as the actions leave it: palette of the mode, active, brushes.
    void setMode(hueloom::Mode mode);
    // Marks every window of the scene as painted, so a later invalidation shows.
    void validateAll() const;

private:
    TestSeam seam_;  // the fakes go when the scene goes
    HWND host_ = nullptr;
    std::vector<HWND> extra_;
};

[[nodiscard]] bool hasUpdateRegion(HWND window);
// GetWindowSubclass, which the import library lacks.
[[nodiscard]] bool hasSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id);
[[nodiscard]] bool isRegistered(HWND window);
[[nodiscard]] hueloom::ControlKind registeredKind(HWND window);

} // namespace testing
