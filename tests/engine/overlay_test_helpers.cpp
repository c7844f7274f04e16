#include "overlay_test_helpers.h"

#include <doctest.h>

#include <float.h>

#include <iterator>
#include <map>
#include <utility>

#include "engine/auto_refresh.h"
#include "engine/glyph_button.h"
#include "engine/host_window.h"
#include "overlay/overlay_binding.h"
#include "overlay/overlay_interaction.h"
#include "paint/theme_brushes.h"
#include "platform/subclass.h"
#include "support/test_seam.h"
#include "theme/theme_state.h"

namespace testing {

namespace {

std::map<std::pair<HWND, UINT>, int>& messageCounts() {
    static std::map<std::pair<HWND, UINT>, int> counts;
    return counts;
}

LRESULT CALLBACK hostObjectProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++messageCounts()[{window, message}];
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (HDC dc = BeginPaint(window, &ps)) FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(window, &ps);
        return 0;
    }
    case WM_NCDESTROY:
        // Handles are reused: forget this window's counts.
        for (auto it = messageCounts().begin(); it != messageCounts().end();)
            it = it->first.first == window ? messageCounts().erase(it) : std::next(it);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerHostObjectClasses() {
    static bool registered = false;
    if (registered) return;
    for (const wchar_t* name : {kHostCheckBoxClass, kHostRadioClass, kHostTrackBarClass}) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = hostObjectProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        RegisterClassW(&wc);
    }
    registered = true;
}

BOOL WINAPI countingSetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    ++SubclassCallCounter::calls;
    if (SubclassCallCounter::fail) return FALSE;
    return SetWindowSubclass(window, proc, id, data);
}

void useRealSubclassFunctions() {
    hueloom::SystemFunctions& system = testing::TestSeam::system();
    system.loaded = true;
    system.setWindowSubclass = SetWindowSubclass;
    system.removeWindowSubclass = RemoveWindowSubclass;
    system.defSubclassProc = DefSubclassProc;
}

// Not in every import library: looked up by name, else by its ordinal.
BOOL hasSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
    using GetWindowSubclassFunction = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
    static GetWindowSubclassFunction getWindowSubclass = [] {
        HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll");
        FARPROC found = GetProcAddress(comctl32, "GetWindowSubclass");
        if (!found) found = GetProcAddress(comctl32, MAKEINTRESOURCEA(411));
        return reinterpret_cast<GetWindowSubclassFunction>(found);
    }();
    DWORD_PTR data = 0;
    return getWindowSubclass && getWindowSubclass(window, proc, id, &data);
}

BOOL CALLBACK countOverlay(HWND window, LPARAM count) {
    wchar_t name[64];
    if (GetClassNameW(window, name, 64) && lstrcmpW(name, hueloom::kOverlayClassName) == 0)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

} // namespace

int SubclassCallCounter::calls = 0;
bool SubclassCallCounter::fail = false;

void SubclassCallCounter::install() {
    calls = 0;
    fail = false;
    testing::TestSeam::system().setWindowSubclass = countingSetWindowSubclass;
}

HWND createHostObject(HWND parent, const wchar_t* className, int x, int y, int width, int height,
                      const wchar_t* caption) {
    registerHostObjectClasses();
    return createChild(parent, className, 0, x, y, width, height, caption);
}

int messagesSeen(HWND object, UINT message) {
    const auto it = messageCounts().find({object, message});
    return it == messageCounts().end() ? 0 : it->second;
}

ThemedHost::ThemedHost(hueloom::Mode mode) {
    // One host window for all these tests: under Wine, hiding or destroying an active
    // top-level window waits two seconds for the X server.
    static HWND shared = nullptr;
    if (!shared || !IsWindow(shared)) shared = createHostWindow();
    window_ = shared;
    resetPlugin(window_);
    useRealSubclassFunctions();
    setMode(mode);
}

ThemedHost::~ThemedHost() {
    parkCursor();
    KillTimer(window_, hueloom::kAutoRefreshTimerId);
    // The children's subclasses take themselves off as they go.
    while (HWND child = GetWindow(window_, GW_CHILD)) DestroyWindow(child);
    hueloom::deleteThemeBrushes();
    resetPlugin();
}

void ThemedHost::setMode(hueloom::Mode mode) {
    hueloom::ThemeState& theme = hueloom::currentTheme();
    theme.mode = mode;
    if (mode == hueloom::Mode::System) {
        theme.active = false;
        return;
    }
    hueloom::applyModePalette(theme, mode);
    REQUIRE(hueloom::rebuildThemeBrushes(theme));
}

std::string handleText(HWND window) {
    return std::to_string(static_cast<long long>(reinterpret_cast<intptr_t>(window)));
}

int bindCheck(HWND object, const std::string& variable, const std::string& value, const std::string& color) {
    return executeAction(14, {handleText(object), variable, value, color});
}

int bindRadio(HWND object, const std::string& variable, const std::string& value, const std::string& caption,
              const std::string& color) {
    return executeAction(15, {handleText(object), variable, value, caption, color});
}

int bindTrack(HWND object, const std::string& variable, const std::string& value, const std::string& minimum,
              const std::string& maximum, const std::string& color) {
    return executeAction(13, {handleText(object), variable, value, minimum, maximum, color});
}

int unbind(const std::string& handle) { return executeAction(16, {handle}); }

hueloom::OverlayBinding* bindingOf(HWND object) { return hueloom::overlayState().bindings.find(object); }

bool hasOverlaySubclass(HWND object) {
    return hasSubclass(object, hueloom::overlayObjectSubclassProc, hueloom::idOf(hueloom::SubclassId::OverlayObject));
}

bool hasGlyphSubclass(HWND button) {
    return hasSubclass(button, hueloom::glyphSubclassProc, hueloom::idOf(hueloom::SubclassId::Glyph));
}

int countOverlayWindows(HWND parent) {
    int count = 0;
    EnumChildWindows(parent, countOverlay, reinterpret_cast<LPARAM>(&count));
    return count;
}

RECT rectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool hasPendingPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

HWND trackedLeaveWindow() {
    TRACKMOUSEEVENT query{sizeof(TRACKMOUSEEVENT), TME_QUERY, nullptr, 0};
    TrackMouseEvent(&query);
    return (query.dwFlags & TME_LEAVE) ? query.hwndTrack : nullptr;
}

void cancelLeaveTracking(HWND window) {
    TRACKMOUSEEVENT cancel{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_CANCEL, window, 0};
    TrackMouseEvent(&cancel);
}

void moveCursorOver(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void parkCursor() { SetCursorPos(0, 0); }

void printClient(HWND window, DibCanvas& canvas) {
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
}

HostFloatingPointMask::HostFloatingPointMask() {
    _clearfp();
    previous_ = _controlfp(0, 0);
    _controlfp(_EM_DENORMAL | _EM_UNDERFLOW | _EM_INEXACT, _MCW_EM);
}

HostFloatingPointMask::~HostFloatingPointMask() {
    _clearfp();
    _controlfp(previous_, _MCW_EM);
}

DcSelection::DcSelection(HDC dc)
    : pen(GetCurrentObject(dc, OBJ_PEN)), brush(GetCurrentObject(dc, OBJ_BRUSH)),
      font(GetCurrentObject(dc, OBJ_FONT)) {}

} // namespace testing
