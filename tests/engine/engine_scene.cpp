#include "engine_scene.h"

#include <doctest.h>

#include "engine/auto_refresh.h"
#include "engine/color_subclass.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "fixtures.h"
#include "paint/theme_brushes.h"
#include "platform/subclass.h"
#include "support/test_seam.h"
#include "theme/theme_state.h"

namespace testing {

namespace {

BOOL WINAPI fakeAllowDarkMode(HWND window, BOOL allow) {
    SystemCallLog::current().allowDarkMode.emplace_back(window, allow);
    return TRUE;
}
int WINAPI fakePreferredAppMode(int mode) {
    SystemCallLog::current().preferredAppMode.push_back(mode);
    return 0;
}
void WINAPI fakeFlushMenuThemes() { SystemCallLog::current().flushMenuThemes += 1; }
void WINAPI fakeRefreshColorPolicy() { SystemCallLog::current().refreshColorPolicy += 1; }

HRESULT WINAPI fakeSetWindowTheme(HWND window, LPCWSTR name, LPCWSTR) {
    SystemCallLog::current().themes.push_back({window, name ? std::wstring(name) : L"<null>"});
    return S_OK;
}
HRESULT WINAPI fakeDwmSetWindowAttribute(HWND window, DWORD attribute, LPCVOID value, DWORD size) {
    DWORD number = 0;
    if (value && size == sizeof number) number = *static_cast<const DWORD*>(value);
    SystemCallLog::current().dwm.push_back({window, attribute, number});
    return S_OK;
}
BOOL WINAPI recordingSetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    SystemCallLog::current().subclassed.push_back(window);
    return SetWindowSubclass(window, proc, id, data);
}
UINT WINAPI recordingRealGetWindowClass(HWND window, LPWSTR buffer, UINT size) {
    SystemCallLog::current().classNameReads.push_back(window);
    return RealGetWindowClassW(window, buffer, size);
}

} // namespace

SystemCallLog& SystemCallLog::current() {
    static SystemCallLog log;
    return log;
}

int SystemCallLog::themeCallsFor(HWND window) const {
    int count = 0;
    for (const auto& call : themes) count += call.window == window ? 1 : 0;
    return count;
}

std::wstring SystemCallLog::lastThemeFor(HWND window) const {
    std::wstring name;
    for (const auto& call : themes)
        if (call.window == window) name = call.name;
    return name;
}

int SystemCallLog::subclassCallsFor(HWND window) const {
    int count = 0;
    for (HWND w : subclassed) count += w == window ? 1 : 0;
    return count;
}

int SystemCallLog::classNameReadsFor(HWND window) const {
    int count = 0;
    for (HWND w : classNameReads) count += w == window ? 1 : 0;
    return count;
}

std::vector<SystemCallLog::DwmCall> SystemCallLog::dwmFor(HWND window) const {
    std::vector<DwmCall> calls;
    for (const auto& call : dwm)
        if (call.window == window) calls.push_back(call);
    return calls;
}

void installRecordingSystem(int build, bool withOrdinals) {
    SystemCallLog::current().clear();
    hueloom::SystemFunctions& system = testing::TestSeam::system();
    system = hueloom::SystemFunctions{};
    system.loaded = true;
    system.buildCache = build;
    system.realGetWindowClassW = recordingRealGetWindowClass;
    system.setWindowTheme = fakeSetWindowTheme;
    if (withOrdinals) {
        system.allowDarkModeForWindow = fakeAllowDarkMode;
        system.setPreferredAppMode = fakePreferredAppMode;
        system.flushMenuThemes = fakeFlushMenuThemes;
        system.refreshImmersiveColorPolicyState = fakeRefreshColorPolicy;
    }
    system.dwmSetWindowAttribute = fakeDwmSetWindowAttribute;
    system.setWindowSubclass = recordingSetWindowSubclass;
    system.removeWindowSubclass = RemoveWindowSubclass;
    system.defSubclassProc = DefSubclassProc;
}

namespace {

// One host window for every scene: under Wine without a window manager, hiding or
// destroying a shown top-level window waits two seconds for the X server.
HWND sharedHost() {
    static HWND host = nullptr;
    if (!IsWindow(host)) host = createHostWindow();
    return host;
}

BOOL CALLBACK collectChild(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Leaves the host as a fresh one: no children, no subclass of the plug-in, no timer.
void cleanHost(HWND host) {
    std::vector<HWND> children;
    EnumChildWindows(host, collectChild, reinterpret_cast<LPARAM>(&children));
    // Frozen, so the host is not repainted after each destroyed child.
    SendMessageW(host, WM_SETREDRAW, FALSE, 0);
    for (HWND child : children)
        if (IsWindow(child) && GetParent(child) == host) DestroyWindow(child);
    RemoveWindowSubclass(host, hueloom::colorSubclassProc, hueloom::idOf(hueloom::SubclassId::Color));
    KillTimer(host, hueloom::kAutoRefreshTimerId);
    SendMessageW(host, WM_SETREDRAW, TRUE, 0);
}

} // namespace

EngineScene::EngineScene(int build, bool withOrdinals) {
    host_ = sharedHost();
    cleanHost(host_);
    resetPlugin(host_);
    installRecordingSystem(build, withOrdinals);
}

EngineScene::~EngineScene() {
    for (auto it = extra_.rbegin(); it != extra_.rend(); ++it)
        if (IsWindow(*it)) DestroyWindow(*it);
    cleanHost(host_);
    pumpMessages(0);
    hueloom::deleteThemeBrushes();
    resetPlugin();
}

HWND EngineScene::child(const wchar_t* className, DWORD style, const wchar_t* text, HWND parent) {
    return createChild(parent ? parent : host_, className, style, 10, 10, 120, 24, text);
}

HWND EngineScene::topLevel(DWORD style, HWND owner) {
    HWND window = CreateWindowExW(0, L"HueloomTestWindow", L"Scene window", style, 100, 100, 200, 150,
                                  owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    return own(window);
}

HWND EngineScene::own(HWND window) {
    extra_.push_back(window);
    return window;
}

void EngineScene::setMode(hueloom::Mode mode) {
    hueloom::ThemeState& theme = hueloom::currentTheme();
    theme.mode = mode;
    if (mode == hueloom::Mode::System) {
        theme.active = false;
        return;
    }
    hueloom::applyModePalette(theme, mode);
    REQUIRE(hueloom::rebuildThemeBrushes(theme));
}

void EngineScene::validateAll() const {
    RedrawWindow(host_, nullptr, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_ALLCHILDREN);
    for (HWND window : extra_)
        if (IsWindow(window))
            RedrawWindow(window, nullptr, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_ALLCHILDREN);
}

bool hasUpdateRegion(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

bool hasSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
    using GetWindowSubclassFunction = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
    static const auto getWindowSubclass = [] {
        HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll");
        FARPROC found = GetProcAddress(comctl32, "GetWindowSubclass");
        if (!found) found = GetProcAddress(comctl32, MAKEINTRESOURCEA(411));
        return reinterpret_cast<GetWindowSubclassFunction>(found);
    }();
    REQUIRE((getWindowSubclass != nullptr));
    DWORD_PTR data = 0;
    return getWindowSubclass(window, proc, id, &data) != FALSE;
}

bool isRegistered(HWND window) { return hueloom::windowRegistry().themedControls.contains(window); }

hueloom::ControlKind registeredKind(HWND window) {
    const hueloom::ControlKind* kind = hueloom::windowRegistry().themedControls.find(window);
    return kind ? *kind : hueloom::ControlKind::None;
}

} // namespace testing
