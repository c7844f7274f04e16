#include "menu_bar.h"

#include <initializer_list>

namespace standin {

namespace {

struct MenuColumn {
    const wchar_t* title;
    std::initializer_list<const wchar_t*> items;
};

constexpr UINT kFirstItemId = 40001;

}  // namespace

HMENU createDemoMenuBar() {
    const MenuColumn columns[] = {
        {L"&File", {L"&New", L"&Open...", L"&Save", L"E&xit"}},
        {L"&Edit", {L"Cu&t", L"&Copy", L"&Paste"}},
        {L"&Help", {L"&Contents", L"&About"}},
    };
    HMENU bar = CreateMenu();
    UINT id = kFirstItemId;
    for (const MenuColumn& column : columns) {
        HMENU popup = CreatePopupMenu();
        for (const wchar_t* item : column.items) AppendMenuW(popup, MF_STRING, id++, item);
        AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), column.title);
    }
    return bar;
}

}  // namespace standin
