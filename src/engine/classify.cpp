#include "engine/classify.h"

#include "engine/class_rules.h"
#include "platform/system_functions.h"

namespace hueloom {

namespace {

constexpr int kClassNameCapacity = 128;

// Fills `buffer` with the lower-cased class name and returns its length (0 when unreadable).
// Kept free of allocation: classification runs inside timer ticks for every unthemed window.
int readLowerClassName(HWND window, wchar_t (&buffer)[kClassNameCapacity]) noexcept {
    int length = 0;
    // The base system class, so a superclassed edit still counts as an edit.
    if (auto realGetWindowClass = systemFunctions().realGetWindowClassW) {
        length = static_cast<int>(realGetWindowClass(window, buffer, kClassNameCapacity));
    }
    if (length <= 0) length = GetClassNameW(window, buffer, kClassNameCapacity);
    if (length <= 0) return 0;
    if (length >= kClassNameCapacity) length = kClassNameCapacity - 1;
    buffer[length] = L'\0';
    CharLowerW(buffer);
    return length;
}

} // namespace

std::wstring windowClassName(HWND window) {
    wchar_t buffer[kClassNameCapacity];
    const int length = readLowerClassName(window, buffer);
    return std::wstring(buffer, static_cast<size_t>(length));
}

ControlKind classifyWindow(HWND window) {
    wchar_t buffer[kClassNameCapacity];
    const int length = readLowerClassName(window, buffer);
    if (length == 0) return ControlKind::None;
    const auto style = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
    return classifyClassName(std::wstring_view(buffer, static_cast<size_t>(length)), style);
}

} // namespace hueloom
