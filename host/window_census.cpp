#include "window_census.h"

#include <windows.h>

#include <string>
#include <vector>

namespace standin {

namespace {

constexpr int kMaxGdiProbe = 70000;  // above the process table's size, so the probe ends

struct Census {
    std::wstring className;
    int count = 0;
};

void countIfMatching(HWND window, Census& census) {
    wchar_t name[256] = {};
    if (GetClassNameW(window, name, 256) && lstrcmpiW(name, census.className.c_str()) == 0) ++census.count;
}

BOOL CALLBACK countChild(HWND window, LPARAM context) {
    countIfMatching(window, *reinterpret_cast<Census*>(context));
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND window, LPARAM context) {
    countIfMatching(window, *reinterpret_cast<Census*>(context));
    EnumChildWindows(window, countChild, context);  // walks every descendant
    return TRUE;
}

}  // namespace

int countThreadWindowsOfClass(std::wstring_view className) {
    Census census{std::wstring(className)};
    EnumThreadWindows(GetCurrentThreadId(), countTopLevel, reinterpret_cast<LPARAM>(&census));
    return census.count;
}

int countFreeGdiHandles() {
    std::vector<HBRUSH> brushes;
    brushes.reserve(kMaxGdiProbe);
    while (static_cast<int>(brushes.size()) < kMaxGdiProbe) {
        HBRUSH brush = CreateSolidBrush(RGB(brushes.size() & 0xFF, 0, 0));
        if (!brush) break;
        brushes.push_back(brush);
    }
    for (HBRUSH brush : brushes) DeleteObject(brush);
    return static_cast<int>(brushes.size());
}

}  // namespace standin
