#include "engine/window_list.h"

#include <windows.h>

#include "common/text.h"
#include "engine/classify.h"
#include "engine/host_window.h"
#include "overlay/overlay_binding.h"

namespace hueloom {

namespace {

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

BOOL CALLBACK describeWindow(HWND window, LPARAM listText) {
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
    std::wstring& text = *reinterpret_cast<std::wstring*>(listText);
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

} // namespace

WindowList listWindows() {
    WindowList list;
    std::wstring& text = list.text;
    text = L"Top ";
    appendNumber(text, handleNumber(hostWindow()));
    text += L"|";
    EnumChildWindows(hostWindow(), describeWindow, reinterpret_cast<LPARAM>(&text));

    int64_t separators = 0;
    for (wchar_t c : text) separators += (c == L'|') ? 1 : 0;
    list.count = separators - 1;
    return list;
}

} // namespace hueloom
