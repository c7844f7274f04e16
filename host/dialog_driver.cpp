#include "dialog_driver.h"

#include <windows.h>

#include "console.h"
#include "foreign_memory.h"
#include "host_session.h"

namespace standin {

namespace {

constexpr DWORD kPressPeriod = 100;
constexpr DWORD kPressPatience = 15000;

struct ButtonSearch {
    const std::wstring* caption;
    HWND found = nullptr;
};

std::wstring withoutAmpersands(const wchar_t* text) {
    std::wstring out;
    for (const wchar_t* c = text; *c; ++c)
        if (*c != L'&') out += *c;
    return out;
}

BOOL CALLBACK matchButton(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ButtonSearch*>(context);
    wchar_t className[32] = {};
    wchar_t text[128] = {};
    GetClassNameW(window, className, 32);
    if (lstrcmpiW(className, L"Button") != 0 || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    GetWindowTextW(window, text, 128);
    if (lstrcmpiW(withoutAmpersands(text).c_str(), search.caption->c_str()) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

BOOL CALLBACK searchTopLevel(HWND window, LPARAM context) {
    if (!IsWindowVisible(window)) return TRUE;
    EnumChildWindows(window, matchButton, context);
    return reinterpret_cast<ButtonSearch*>(context)->found ? FALSE : TRUE;
}

void CALLBACK pressTick(HWND, UINT, UINT_PTR, DWORD) {
    HostSession& state = session();
    if (state.pendingPresses.empty()) {
        KillTimer(nullptr, state.pressTimer);
        state.pressTimer = 0;
        return;
    }
    const PendingPress& press = state.pendingPresses.front();
    ButtonSearch search{&press.caption};
    EnumThreadWindows(GetCurrentThreadId(), searchTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
        PostMessageW(search.found, BM_CLICK, 0, 0);
        state.pendingPresses.pop_front();
    } else if (GetTickCount() - press.deadline < 0x80000000u) {
        say("host: error: AutoPress: no button '" + narrow(press.caption) + "' appeared within 15 s");
        state.outcome.scriptError = true;
        state.pendingPresses.pop_front();
    }
}

}  // namespace

void queueButtonPress(HostSession& state, std::wstring caption) {
    state.pendingPresses.push_back(PendingPress{std::move(caption), GetTickCount() + kPressPatience});
    if (!state.pressTimer) state.pressTimer = SetTimer(nullptr, 0, kPressPeriod, pressTick);
}

}  // namespace standin
