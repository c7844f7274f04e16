#include "window_census.h"

#include <windows.h>

#include <string>
#include <vector>

namespace standin {

namespace {

constexpr int kMaxGdiProbe = 70000;  // above the process table's size, so the probe ends

constexpr const wchar_t* kSubclassProperties[] = {L"CC32SubclassInfo", L"UxSubclassInfo"};

// Counts the thread's windows, top-level and descendants, that pass a test.
struct Census {
    bool (*matches)(HWND window, const Census& census) = nullptr;
    std::wstring className;
    int count = 0;
};

void countIfMatching(HWND window, Census& census) {
    if (census.matches(window, census)) ++census.count;
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

int takeCensus(Census census) {
    EnumThreadWindows(GetCurrentThreadId(), countTopLevel, reinterpret_cast<LPARAM>(&census));
    return census.count;
}

bool isOfClass(HWND window, const Census& census) {
    wchar_t name[256] = {};
    return GetClassNameW(window, name, 256) && lstrcmpiW(name, census.className.c_str()) == 0;
}

bool carriesSubclass(HWND window, const Census&) {
    for (const wchar_t* property : kSubclassProperties)
        if (GetPropW(window, property)) return true;
    return false;
}

}  // namespace

int countThreadWindowsOfClass(std::wstring_view className) {
    return takeCensus(Census{isOfClass, std::wstring(className)});
}

int countThreadWindowsWithSubclass() {
    return takeCensus(Census{carriesSubclass});
}

namespace {

// Named by GetObjectType's numbers, from OBJ_PEN (1) to OBJ_COLORSPACE (14).
constexpr const char* kGdiTypeNames[] = {"",      "PEN",    "BRUSH",     "DC",          "METADC",
                                         "PAL",   "FONT",   "BITMAP",    "REGION",      "METAFILE",
                                         "MEMDC", "EXTPEN", "ENHMETADC", "ENHMETAFILE", "COLORSPACE"};
constexpr size_t kGdiTypes = sizeof kGdiTypeNames / sizeof kGdiTypeNames[0];

std::vector<int> gdiCensus() {
    std::vector<int> counts(kGdiTypes, 0);
    for (uintptr_t index = 1; index < 0x10000; ++index) {
        const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(index));
        if (type > 0 && type < kGdiTypes) ++counts[type];
    }
    return counts;
}

}  // namespace

std::string gdiObjectsByType() {
    const std::vector<int> counts = gdiCensus();
    std::string text;
    for (size_t type = 1; type < kGdiTypes; ++type) {
        if (counts[type] == 0) continue;
        if (!text.empty()) text += ", ";
        text += std::string(kGdiTypeNames[type]) + " " + std::to_string(counts[type]);
    }
    return text;
}

int countGdiObjectsOfType(std::string_view typeName) {
    for (size_t type = 1; type < kGdiTypes; ++type)
        if (typeName == kGdiTypeNames[type]) return gdiCensus()[type];
    return 0;
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
