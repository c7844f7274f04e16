#include "engine/auto_refresh.h"

#include "common/text.h"
#include "engine/classify.h"
#include "engine/subclass_ids.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "overlay/bindings.h"
#include "plugin/host_bridge.h"
#include "plugin/lifecycle.h"
#include "plugin/process_state.h"

namespace hueloom {

namespace {

constexpr int32_t kTicksBetweenPrunes = 20;
constexpr int kClassNameCapacity = 128;
constexpr int kCaptionCapacity = 64;
constexpr int kUserDataIndex = -21;  // GWL_USERDATA, which the 64-bit headers leave out

void appendHex(std::wstring& text, uint64_t value) {
    wchar_t digits[16];
    int count = 0;
    do {
        digits[count++] = L"0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (count > 0) text.push_back(digits[--count]);
}

void appendNumber(std::wstring& text, int64_t value) { text += decimalText(value); }

int64_t handleNumber(HWND window) {
    return static_cast<int64_t>(reinterpret_cast<intptr_t>(window));
}

} // namespace

void startAutoRefresh() {
    ProcessState& state = process();
    if (state.autoRefresh.running || !state.hostWindow) return;
    if (SetTimer(state.hostWindow, kAutoRefreshTimerId, kAutoRefreshPeriodMs, autoRefreshTick)) {
        state.autoRefresh.running = true;
        pinModule();  // the timer calls into this module
    }
}

void stopAutoRefresh() {
    ProcessState& state = process();
    if (!state.autoRefresh.running) return;
    KillTimer(state.hostWindow, kAutoRefreshTimerId);
    state.autoRefresh.running = false;
}

void scheduleDeferredPass() {
    ProcessState& state = process();
    if (state.autoRefresh.deferredPassPending || !state.hostWindow || state.shuttingDown) return;
    // A zero period is raised to the system's minimum: the timer fires as soon as the host's
    // loop has nothing else queued, that is after the new page has been shown.
    if (SetTimer(state.hostWindow, kDeferredPassTimerId, 0, deferredPassTick)) {
        state.autoRefresh.deferredPassPending = true;
        pinModule();
    }
}

void cancelDeferredPass() {
    ProcessState& state = process();
    if (!state.autoRefresh.deferredPassPending) return;
    KillTimer(state.hostWindow, kDeferredPassTimerId);
    state.autoRefresh.deferredPassPending = false;
}

void CALLBACK deferredPassTick(HWND, UINT, UINT_PTR, DWORD) {
    cancelDeferredPass();
    const ProcessState& state = process();
    if (state.shuttingDown || state.theme.mode == ThemeMode::System) return;
    refreshWindows(false);
}

void CALLBACK autoRefreshTick(HWND, UINT, UINT_PTR, DWORD) {
    ProcessState& state = process();
    if (state.shuttingDown) return;

    const ThemedWindowRegistry& windows = state.windows;
    if (windows.updateDepth > 0 && monotonicMs() - windows.freezeStartMs > kFreezeTimeoutMs) {
        endUpdate(true);
    }

    if (!state.autoRefresh.running || state.theme.mode == ThemeMode::System) return;
    state.autoRefresh.refreshTickCount += 1;
    refreshWindows(false);
    if (!state.overlays.bindings.empty()) syncAllOverlays();
    if (state.autoRefresh.refreshTickCount >= kTicksBetweenPrunes) {
        state.autoRefresh.refreshTickCount = 0;
        pruneRegistries();
    }
}

int32_t listWindows() {
    ProcessState& state = process();
    std::wstring& text = state.autoRefresh.windowListText;
    text = L"Top ";
    appendNumber(text, handleNumber(state.hostWindow));
    text += L"|";
    EnumChildWindows(state.hostWindow, describeWindow, 0);

    int64_t separators = 0;
    for (wchar_t c : text) separators += (c == L'|') ? 1 : 0;
    HostBridge::setVariable(L"[Skin.Windows]", text);
    HostBridge::setVariable(L"[Skin.WindowCount]", decimalText(separators - 1));
    HostBridge::setLastError(L"OK");
    return 1;
}

BOOL CALLBACK describeWindow(HWND window, LPARAM) {
    wchar_t className[kClassNameCapacity] = {};
    const int classLength = GetClassNameW(window, className, kClassNameCapacity);
    wchar_t caption[kCaptionCapacity] = {};
    const int captionLength = GetWindowTextW(window, caption, kCaptionCapacity);
    const ControlKind kind = classifyWindow(window);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    RECT rect{};
    GetWindowRect(window, &rect);

    const std::wstring_view classView(className, classLength > 0 ? static_cast<size_t>(classLength) : 0);
    std::wstring& text = process().autoRefresh.windowListText;
    appendNumber(text, handleNumber(window));
    text += L" ";
    text += classView;
    text += L" kind=";
    appendNumber(text, static_cast<int32_t>(kind));
    text += L" vis=";
    text += (style & WS_VISIBLE) ? L"1" : L"0";
    text += L"/";
    text += IsWindowVisible(window) ? L"1" : L"0";
    text += L" ex=$";
    // Sign-extended, so a set top bit prints as sixteen digits.
    appendHex(text, static_cast<uint64_t>(static_cast<int64_t>(exStyle)));
    text += L" rc=";
    appendNumber(text, rect.left);
    text += L",";
    appendNumber(text, rect.top);
    text += L",";
    appendNumber(text, static_cast<int64_t>(rect.right) - rect.left);
    text += L"x";
    appendNumber(text, static_cast<int64_t>(rect.bottom) - rect.top);
    if (classView == kOverlayClassName) {
        text += L" ctrl=";
        appendNumber(text, GetWindowLongW(window, kUserDataIndex));
    }
    text += L" '";
    text.append(caption, captionLength > 0 ? static_cast<size_t>(captionLength) : 0);
    text += L"'|";
    return TRUE;
}

} // namespace hueloom
