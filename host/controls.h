#pragma once
// Creating the standard controls of the publication's pages and dialogs.
#include <windows.h>

#include <string_view>

namespace standin {

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A visible child window with the default GUI font.
[[nodiscard]] HWND createChild(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style,
                               Box box, int id = 0, DWORD exStyle = 0);

// The newest rich edit class the system offers ("RICHEDIT50W", else "RichEdit20W").
[[nodiscard]] const wchar_t* richEditClass() noexcept;

}  // namespace standin
