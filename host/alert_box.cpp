#include "alert_box.h"

#include "host_session.h"
#include "foreign_memory.h"
#include "text_util.h"

namespace standin {

// The alert on its way: the call that showed it and the subroutine to run once it is up.
struct AlertWatch {
    const Call* call = nullptr;
    std::string subroutine;
    UINT_PTR timer = 0;
    Flow flow = Flow::Next;
};

namespace {

constexpr UINT kLookPeriodMs = 20;
constexpr int kCaptionChars = 64;

struct BoxSearch {
    HWND owner;
    HWND found = nullptr;
};

BOOL CALLBACK findAlert(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<BoxSearch*>(data);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != search->owner)
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK nameButton(HWND child, LPARAM) {
    wchar_t name[16] = {};
    wchar_t caption[kCaptionChars] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Button") != 0) return TRUE;
    GetWindowTextW(child, caption, kCaptionChars);
    std::wstring plain;
    for (const wchar_t* c = caption; *c; ++c)
        if (*c != L'&') plain += *c;
    session().publication.add(std::string(kAlertName) + "." + narrow(plain), child, WindowRole::Control);
    return TRUE;
}

void CALLBACK lookForAlert(HWND, UINT, UINT_PTR timer, DWORD) {
    AlertWatch* watch = session().alertUp;
    if (!watch || watch->timer != timer) return;
    BoxSearch search{session().publication.hostWindow()};
    EnumThreadWindows(GetCurrentThreadId(), findAlert, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return;  // not shown yet
    KillTimer(nullptr, timer);
    watch->timer = 0;
    session().publication.add(kAlertName, search.found, WindowRole::Dialog);
    EnumChildWindows(search.found, nameButton, 0);
    watch->flow = watch->call->interpreter.goSub(*watch->call, watch->subroutine);
    if (IsWindow(search.found)) PostMessageW(search.found, WM_COMMAND, IDOK, 0);
}

}  // namespace

Flow showAlert(const Call& call, const std::wstring& text, std::string_view subroutine, int& answer) {
    AlertWatch*& up = call.session.alertUp;
    if (up) return call.fail("an alert is up already; alerts do not nest");
    AlertWatch watch;
    watch.call = &call;
    watch.subroutine = std::string(subroutine);
    if (!subroutine.empty()) {
        watch.timer = SetTimer(nullptr, 0, kLookPeriodMs, lookForAlert);
        up = &watch;
    }
    answer = MessageBoxW(session().publication.hostWindow(), text.c_str(), L"Publication", MB_OK | MB_ICONINFORMATION);
    if (watch.timer) KillTimer(nullptr, watch.timer);
    up = nullptr;
    return watch.flow;
}

}  // namespace standin
