// The auto-refresh timer on a real host window, and the diagnostic window list.
#include <doctest.h>

#include <string>

#include "engine/auto_refresh.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "engine/update_freeze.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "overlay/overlay_binding.h"
#include "platform/process_lifetime.h"
#include "platform/subclass.h"
#include "plugin/entry_points.h"

using namespace hueloom;
using testing::EngineScene;
using testing::FakeHost;

namespace {

int g_foreignTicks = 0;
void CALLBACK foreignTimerProc(HWND, UINT, UINT_PTR, DWORD) { g_foreignTicks += 1; }

std::string number(HWND window) { return std::to_string(reinterpret_cast<intptr_t>(window)); }

std::string windowLineOf(HWND window) {
    const std::string list = FakeHost::current().var("[Skin.Windows]");
    const std::string start = number(window) + " ";
    const size_t at = list.find("|" + start);
    if (at == std::string::npos) return {};
    const size_t end = list.find("'|", at + 1);
    return list.substr(at + 1, end + 2 - (at + 1));
}

std::string rectText(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right - r.left) +
           "x" + std::to_string(r.bottom - r.top);
}

const wchar_t* overlayStandInClass(bool& registeredHere) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kOverlayClassName;
    registeredHere = RegisterClassW(&wc) != 0;  // the overlay code may have registered it already
    return kOverlayClassName;
}

} // namespace

TEST_CASE("a second start sets no second timer; a stop when stopped kills nothing") {
    EngineScene scene;
    scene.setMode(Mode::Dark);
    startAutoRefresh();
    REQUIRE(hueloom::autoRefreshState().running);
    // Put a foreign timer under the same id: a second SetTimer would take it back.
    SetTimer(scene.host(), kAutoRefreshTimerId, 60000, foreignTimerProc);
    startAutoRefresh();
    (void)scene.child(WC_EDITW);
    testing::pumpMessages(700);
    CHECK(hueloom::autoRefreshState().refreshTickCount == 0);
    CHECK(hueloom::autoRefreshState().running);

    stopAutoRefresh();
    CHECK_FALSE(hueloom::autoRefreshState().running);
    CHECK_FALSE(KillTimer(scene.host(), kAutoRefreshTimerId));  // the stop killed it

    SetTimer(scene.host(), kAutoRefreshTimerId, 60000, foreignTimerProc);
    stopAutoRefresh();
    CHECK(KillTimer(scene.host(), kAutoRefreshTimerId));  // left alone: it was not running
}

TEST_CASE("no timer without a host window; a failed SetTimer is tried again at the next start") {
    EngineScene scene;
    hueloom::setHostWindow(nullptr);
    startAutoRefresh();
    CHECK_FALSE(hueloom::autoRefreshState().running);

    HWND gone = scene.topLevel(WS_OVERLAPPEDWINDOW);
    DestroyWindow(gone);
    hueloom::setHostWindow(gone);
    startAutoRefresh();
    CHECK_FALSE(hueloom::autoRefreshState().running);

    hueloom::setHostWindow(scene.host());
    startAutoRefresh();
    CHECK(hueloom::autoRefreshState().running);
}

TEST_CASE("new windows are themed within a tick; in System mode ticks theme nothing") {
    EngineScene scene;
    startAutoRefresh();
    HWND early = scene.child(WC_EDITW);
    testing::pumpMessages(600);
    CHECK_FALSE(testing::isRegistered(early));
    CHECK(hueloom::autoRefreshState().refreshTickCount == 0);

    scene.setMode(Mode::Dark);
    HWND late = scene.child(WC_EDITW);
    testing::pumpMessages(600);
    CHECK(testing::isRegistered(early));
    CHECK(testing::isRegistered(late));
    CHECK(hueloom::autoRefreshState().refreshTickCount > 0);
}

TEST_CASE("a page change themes the new page once the host has built it, even with AutoRefresh off") {
    EngineScene scene;
    scene.setMode(Mode::Dark);
    stopAutoRefresh();
    // The host announces the page before its windows exist.
    nbMessage(6, 0);
    CHECK(hueloom::autoRefreshState().deferredPassPending);
    HWND onNewPage = scene.child(WC_EDITW);
    CHECK_FALSE(testing::isRegistered(onNewPage));
    testing::pumpMessages(200);
    CHECK(testing::isRegistered(onNewPage));
    CHECK_FALSE(hueloom::autoRefreshState().deferredPassPending);
    CHECK_FALSE(hueloom::autoRefreshState().running);  // one pass, not the timer
    CHECK_FALSE(KillTimer(scene.host(), kDeferredPassTimerId));  // it has killed itself

    // Two announcements before the loop runs make one pass; closing cancels a pending one.
    nbMessage(6, 0);
    nbMessage(6, 0);
    HWND late = scene.child(WC_EDITW);
    nbMessage(2, 0);
    CHECK_FALSE(hueloom::autoRefreshState().deferredPassPending);
    testing::pumpMessages(200);
    CHECK_FALSE(testing::isRegistered(late));

    // In System mode a page change does nothing at all.
    nbMessage(6, 0);
    CHECK_FALSE(hueloom::autoRefreshState().deferredPassPending);
}

TEST_CASE("a freeze left open is ended by the timer about 2.5 s later") {
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    beginUpdate();
    REQUIRE(hueloom::autoRefreshState().running);
    testing::pumpMessages(1800);
    CHECK(hueloom::windowRegistry().updateDepth == 1);
    CHECK(hueloom::windowRegistry().frozenWindows.contains(scene.host()));
    CHECK_FALSE(IsWindowVisible(edit));

    testing::pumpMessages(1500);
    CHECK(hueloom::windowRegistry().updateDepth == 0);
    CHECK(hueloom::windowRegistry().frozenWindows.empty());
    CHECK(IsWindowVisible(edit));
}

TEST_CASE("a tick during shutdown does nothing") {
    EngineScene scene;
    scene.setMode(Mode::Dark);
    beginUpdate();
    hueloom::windowRegistry().freezeStartMs = monotonicMs() - 10000;
    HWND edit = scene.child(WC_EDITW);
    hueloom::setShuttingDown(true);
    autoRefreshTick(scene.host(), WM_TIMER, kAutoRefreshTimerId, 0);
    CHECK(hueloom::windowRegistry().updateDepth == 1);
    CHECK_FALSE(testing::isRegistered(edit));

    hueloom::setShuttingDown(false);
    autoRefreshTick(scene.host(), WM_TIMER, kAutoRefreshTimerId, 0);
    CHECK(hueloom::windowRegistry().updateDepth == 0);
    CHECK(testing::isRegistered(edit));
}

TEST_CASE("ListWindows of a host without children") {
    EngineScene scene;
    CHECK(testing::executeAction(12, {}) == 1);  // ListWindows
    CHECK(FakeHost::current().var("[Skin.Windows]") == "Top " + number(scene.host()) + "|");
    CHECK(FakeHost::current().var("[Skin.WindowCount]") == "0");
    CHECK(FakeHost::current().lastError() == "OK");
}

TEST_CASE("ListWindows describes every descendant in one exact line each") {
    EngineScene scene;
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"Name", WS_CHILD | WS_VISIBLE, 12, 30, 200, 24,
                                scene.host(), nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND panel = scene.child(L"HueloomTestWindow", 0, L"Panel");
    ShowWindow(panel, SW_HIDE);
    HWND inHiddenPanel = scene.child(WC_BUTTONW, BS_AUTOCHECKBOX, L"A|B", panel);
    const std::wstring longCaption(70, L'x');
    HWND longOne = scene.child(WC_STATICW, 0, longCaption.c_str());

    testing::executeAction(12, {});  // ListWindows
    CHECK(windowLineOf(edit) == number(edit) + " Edit kind=1 vis=1/1 ex=$200 rc=" + rectText(edit) + " 'Name'|");
    CHECK(windowLineOf(panel) ==
          number(panel) + " HueloomTestWindow kind=0 vis=0/0 ex=$0 rc=" + rectText(panel) + " 'Panel'|");
    CHECK(windowLineOf(inHiddenPanel) ==
          number(inHiddenPanel) + " Button kind=6 vis=1/0 ex=$0 rc=" + rectText(inHiddenPanel) + " 'A|B'|");
    CHECK(windowLineOf(longOne).find(" '" + std::string(63, 'x') + "'|") != std::string::npos);
    // Four lines, one of them with a "|" in its caption.
    CHECK(FakeHost::current().var("[Skin.WindowCount]") == "5");
}

TEST_CASE("ListWindows: an overlay line names the object it covers; a set top bit prints 16 digits") {
    EngineScene scene;
    bool registeredHere = false;
    const wchar_t* overlayClass = overlayStandInClass(registeredHere);
    HWND object = scene.child(WC_STATICW);
    HWND overlay = scene.child(overlayClass, 0, L"");
    SetWindowLongPtrW(overlay, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    HWND layered = scene.child(WC_STATICW);
    SetWindowLongW(layered, GWL_EXSTYLE, static_cast<LONG>(0x80000000u | WS_EX_TRANSPARENT));

    testing::executeAction(12, {});  // ListWindows
    const std::string overlayLine = windowLineOf(overlay);
    CHECK(overlayLine.find(" HueloomOverlay kind=0 ") != std::string::npos);
    CHECK(overlayLine.find(" ctrl=" + number(object) + " ''|") != std::string::npos);
    CHECK(windowLineOf(object).find("ctrl=") == std::string::npos);
    REQUIRE(static_cast<DWORD>(GetWindowLongW(layered, GWL_EXSTYLE)) == 0x80000020u);
    CHECK(windowLineOf(layered).find(" ex=$FFFFFFFF80000020 ") != std::string::npos);

    DestroyWindow(overlay);
    if (registeredHere) UnregisterClassW(overlayClass, GetModuleHandleW(nullptr));
}
