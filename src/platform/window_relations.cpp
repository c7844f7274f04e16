#include "platform/window_relations.h"

namespace hueloom {

namespace {
constexpr int kMaxZOrderSteps = 512;
constexpr int kMaxOwnerSteps = 16;
} // namespace

bool isWindowAbove(HWND lower, HWND upper) {
    if (!lower || !IsWindow(lower) || !IsWindow(upper)) return false;
    HWND current = lower;
    for (int step = 0; step < kMaxZOrderSteps; ++step) {
        current = GetWindow(current, GW_HWNDPREV);
        if (!current) return false;
        if (current == upper) return true;
    }
    return false;
}

bool hasVisibleStyle(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

bool isOwnedBy(HWND window, HWND owner) {
    if (!owner) return false;
    HWND current = window;
    for (int step = 0; step < kMaxOwnerSteps; ++step) {
        current = GetWindow(current, GW_OWNER);
        if (!current) return false;
        if (current == owner) return true;
    }
    return false;
}

} // namespace hueloom
