#include "support/sample_controls.h"

#include <utility>

namespace testing {

namespace {

HWND child(HWND parent, const wchar_t* className, DWORD style, Box box, const wchar_t* text = L"") {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, box.x, box.y, box.width, box.height,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

template <class Item>
LRESULT sendItem(HWND window, UINT message, WPARAM wParam, Item& item) {
    return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(&item));
}

} // namespace

HWND sampleHeader(HWND parent, Box box) {
    HWND header = child(parent, WC_HEADERW, HDS_BUTTONS | HDS_HORZ, box);
    const std::pair<const wchar_t*, int> columns[] = {
        {L"Name", HDF_SORTUP}, {L"Size", HDF_RIGHT}, {L"Changed", HDF_SORTDOWN}};
    WPARAM index = 0;
    for (const auto& [title, format] : columns) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = 80;
        item.fmt = HDF_STRING | format;
        item.pszText = const_cast<wchar_t*>(title);
        sendItem(header, HDM_INSERTITEMW, index++, item);
    }
    return header;
}

HWND sampleTabs(HWND parent, Box box, DWORD style) {
    HWND tabs = child(parent, WC_TABCONTROLW, style, box);
    WPARAM index = 0;
    for (const wchar_t* label : {L"General", L"Colors", L"About"}) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(label);
        sendItem(tabs, TCM_INSERTITEMW, index++, tab);
    }
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    return tabs;
}

HWND sampleProgress(HWND parent, Box box, DWORD style) {
    HWND bar = child(parent, PROGRESS_CLASSW, style, box);
    SendMessageW(bar, PBM_SETPOS, 60, 0);
    return bar;
}

HWND sampleStatusBar(HWND parent) {
    HWND bar = child(parent, STATUSCLASSNAMEW, SBARS_SIZEGRIP | CCS_BOTTOM, {0, 0, 0, 0});
    int rightEdges[] = {150, 300, -1};
    SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rightEdges));
    const wchar_t* texts[] = {L"Ready", L"Page 1\tof 1", L"Hueloom"};
    for (WPARAM part = 0; part < 3; ++part) SendMessageW(bar, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(texts[part]));
    return bar;
}

HWND sampleToolTip(HWND owner, POINT point) {
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tip) return nullptr;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner;
    tool.uId = 1;
    tool.lpszText = const_cast<wchar_t*>(L"Sends the form");
    sendItem(tip, TTM_ADDTOOLW, 0, tool);
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(point.x, point.y));
    sendItem(tip, TTM_TRACKACTIVATE, TRUE, tool);
    return tip;
}

HWND sampleListView(HWND parent, Box box) {
    HWND list = child(parent, WC_LISTVIEWW, WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, box);
    const wchar_t* headings[] = {L"Name", L"Value"};
    for (WPARAM column = 0; column < 2; ++column) {
        LVCOLUMNW lvColumn{};
        lvColumn.mask = LVCF_TEXT | LVCF_WIDTH;
        lvColumn.cx = box.width / 2 - 10;
        lvColumn.pszText = const_cast<wchar_t*>(headings[column]);
        sendItem(list, LVM_INSERTCOLUMNW, column, lvColumn);
    }
    const wchar_t* rows[][2] = {{L"Alpha", L"1"}, {L"Beta", L"2"}, {L"Gamma", L"3"}, {L"Delta", L"4"}};
    for (int row = 0; row < 4; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(rows[row][0]);
        sendItem(list, LVM_INSERTITEMW, 0, item);
        item.iSubItem = 1;
        item.pszText = const_cast<wchar_t*>(rows[row][1]);
        sendItem(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), item);
    }
    LVITEMW selected{};
    selected.stateMask = LVIS_SELECTED;
    selected.state = LVIS_SELECTED;
    sendItem(list, LVM_SETITEMSTATE, 1, selected);
    return list;
}

HWND sampleTreeView(HWND parent, Box box) {
    HWND tree = child(parent, WC_TREEVIEWW,
                      WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS, box);
    TVINSERTSTRUCTW insert{};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.hParent = TVI_ROOT;
    insert.item.pszText = const_cast<wchar_t*>(L"Publication");
    const auto root = reinterpret_cast<HTREEITEM>(sendItem(tree, TVM_INSERTITEMW, 0, insert));
    HTREEITEM last = nullptr;
    for (const wchar_t* name : {L"Pages", L"Objects", L"Variables"}) {
        insert.hParent = root;
        insert.item.pszText = const_cast<wchar_t*>(name);
        last = reinterpret_cast<HTREEITEM>(sendItem(tree, TVM_INSERTITEMW, 0, insert));
    }
    insert.hParent = last;  // a collapsed branch under the last child
    insert.item.pszText = const_cast<wchar_t*>(L"Hidden");
    sendItem(tree, TVM_INSERTITEMW, 0, insert);
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
    return tree;
}

} // namespace testing
