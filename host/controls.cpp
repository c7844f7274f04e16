#include "controls.h"

#include <string>

namespace standin {

HWND createChild(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style, Box box,
                 int id, DWORD exStyle) {
    const std::wstring caption(text);
    HWND window =
        CreateWindowExW(exStyle, windowClass, caption.c_str(), WS_CHILD | WS_VISIBLE | style, box.x, box.y,
                        box.width, box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (window)
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return window;
}

const wchar_t* richEditClass() noexcept {
    // Loaded once for the life of the process, like any host that shows rich edits.
    if (GetModuleHandleW(L"msftedit.dll") || LoadLibraryW(L"msftedit.dll")) return L"RICHEDIT50W";
    if (GetModuleHandleW(L"riched20.dll") || LoadLibraryW(L"riched20.dll")) return L"RichEdit20W";
    return L"Edit";
}

}  // namespace standin
