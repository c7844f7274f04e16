#include "demo_page.h"

#include <commctrl.h>
#include <richedit.h>

#include <initializer_list>
#include <string>

#include "controls.h"
#include "host_objects.h"
#include "host_session.h"
#include "publication.h"

namespace standin {

namespace {

// The variables the demo host objects are tied to, with their starting values.
struct DemoObject {
    HostObjectKind kind;
    const char* name;
    const wchar_t* caption;
    TrackRange range;
    const char* variable;
    Box box;
};

constexpr DemoObject kDemoObjects[] = {
    {HostObjectKind::Check, "HostCheck1", L"Agree to terms", {}, "[Agree]", {600, 172, 200, 22}},
    {HostObjectKind::Check, "HostCheck2", L"Notify me", {}, "[Notify]", {600, 196, 200, 22}},
    {HostObjectKind::Check, "HostCheck3", L"Remember", {}, "[Remember]", {600, 220, 200, 22}},
    {HostObjectKind::Radio, "HostRadio1", L"Small", {}, "[Size]", {600, 252, 200, 22}},
    {HostObjectKind::Radio, "HostRadio2", L"Medium", {}, "[Size]", {600, 276, 200, 22}},
    {HostObjectKind::Radio, "HostRadio3", L"Large", {}, "[Size]", {600, 300, 200, 22}},
    {HostObjectKind::Track, "HostTrack1", L"", {0, 100}, "[Volume]", {600, 332, 280, 30}},
    {HostObjectKind::Track, "HostTrack2", L"", {-50, 50}, "[Balance]", {600, 368, 280, 30}},
};

constexpr std::pair<const char*, const char*> kDemoValues[] = {
    {"[Agree]", "False"}, {"[Notify]", "True"}, {"[Remember]", "False"},
    {"[Size]", "Medium"}, {"[Volume]", "30"},   {"[Balance]", "0"},
};

HWND named(Publication& publication, std::string_view name, HWND window) {
    publication.add(name, window, WindowRole::Control);
    return window;
}

void addListItems(HWND list, UINT message, std::initializer_list<const wchar_t*> items) {
    for (const wchar_t* item : items) SendMessageW(list, message, 0, reinterpret_cast<LPARAM>(item));
}

void buildTextControls(Publication& p, HWND page) {
    named(p, "Label1", createChild(page, L"Static", L"Name:", SS_LEFT, {10, 12, 60, 20}));
    named(
        p, "Edit",
        createChild(page, L"Edit", L"Edit text", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, {75, 8, 205, 24}));
    named(
        p, "Memo",
        createChild(page, L"Edit", L"A multi-line edit\r\nwith two lines",
                    WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | WS_TABSTOP, {10, 40, 270, 70}));
    HWND rich = named(
        p, "Rich",
        createChild(page, richEditClass(), L"",
                    WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, {10, 118, 270, 70}));
    SetWindowTextW(rich, L"Rich edit text");
    HWND list = named(p, "List",
                      createChild(page, L"ListBox", L"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY | WS_TABSTOP,
                                  {10, 196, 130, 100}));
    addListItems(list, LB_ADDSTRING,
                 {L"Apples", L"Pears", L"Plums", L"Cherries", L"Grapes", L"Melons", L"Kiwis"});
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    HWND comboList = named(p, "ComboList",
                           createChild(page, L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                       {150, 196, 130, 200}));
    addListItems(comboList, CB_ADDSTRING, {L"Red", L"Green", L"Blue"});
    SendMessageW(comboList, CB_SETCURSEL, 0, 0);
    HWND combo = named(
        p, "Combo",
        createChild(page, L"ComboBox", L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, {150, 230, 130, 200}));
    addListItems(combo, CB_ADDSTRING, {L"One", L"Two", L"Three"});
    SetWindowTextW(combo, L"Typed");
}

void buildButtons(Publication& p, HWND page) {
    named(p, "Button1",
          createChild(page, L"Button", L"OK", BS_PUSHBUTTON | WS_TABSTOP, {150, 266, 60, 28}, 101));
    named(p, "Button2",
          createChild(page, L"Button", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, {220, 266, 60, 28}, 102));
    named(p, "Check1",
          createChild(page, L"Button", L"Check one", BS_AUTOCHECKBOX | WS_TABSTOP, {10, 305, 130, 20}, 103));
    HWND check2 = named(
        p, "Check2",
        createChild(page, L"Button", L"Check two", BS_AUTOCHECKBOX | WS_TABSTOP, {10, 327, 130, 20}, 104));
    SendMessageW(check2, BM_SETCHECK, BST_CHECKED, 0);
    HWND check3 = named(
        p, "Check3",
        createChild(page, L"Button", L"Three state", BS_AUTO3STATE | WS_TABSTOP, {10, 349, 130, 20}, 105));
    SendMessageW(check3, BM_SETCHECK, BST_INDETERMINATE, 0);
    named(p, "Group", createChild(page, L"Button", L"Choices", BS_GROUPBOX, {150, 298, 130, 94}));
    HWND radio1 = named(p, "Radio1",
                        createChild(page, L"Button", L"First", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
                                    {160, 318, 110, 20}, 106));
    named(p, "Radio2", createChild(page, L"Button", L"Second", BS_AUTORADIOBUTTON, {160, 341, 110, 20}, 107));
    named(p, "Radio3", createChild(page, L"Button", L"Third", BS_AUTORADIOBUTTON, {160, 364, 110, 20}, 108));
    SendMessageW(radio1, BM_SETCHECK, BST_CHECKED, 0);
}

void buildBars(Publication& p, HWND page) {
    HWND trackH = named(
        p, "TrackH",
        createChild(page, TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, {300, 8, 240, 30}));
    SendMessageW(trackH, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageW(trackH, TBM_SETPOS, TRUE, 40);
    HWND trackV = named(
        p, "TrackV",
        createChild(page, TRACKBAR_CLASSW, L"", TBS_VERT | TBS_AUTOTICKS | WS_TABSTOP, {550, 8, 36, 150}));
    SendMessageW(trackV, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageW(trackV, TBM_SETPOS, TRUE, 3);
    HWND scroll = named(p, "Scroll", createChild(page, L"ScrollBar", L"", SBS_HORZ, {300, 45, 240, 18}));
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, 0, 100, 10, 25, 0};
    SetScrollInfo(scroll, SB_CTL, &info, TRUE);
    HWND progress = named(p, "Progress", createChild(page, PROGRESS_CLASSW, L"", 0, {300, 70, 240, 18}));
    SendMessageW(progress, PBM_SETPOS, 60, 0);
    HWND buddy =
        named(p, "UpDownEdit", createChild(page, L"Edit", L"3", WS_BORDER | ES_NUMBER, {300, 95, 80, 24}));
    HWND upDown = named(p, "UpDown",
                        createChild(page, UPDOWN_CLASSW, L"",
                                    UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, {0, 0, 0, 0}));
    SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageW(upDown, UDM_SETRANGE32, 0, 10);
    SendMessageW(upDown, UDM_SETPOS32, 0, 3);
    named(p, "Label2", createChild(page, L"Static", L"Host objects:", SS_LEFT, {600, 152, 200, 18}));
}

void buildLists(Publication& p, HWND page) {
    HWND listView = named(p, "ListView",
                          createChild(page, WC_LISTVIEWW, L"", WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                                      {300, 165, 280, 110}));
    const wchar_t* headings[] = {L"Name", L"Value"};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW lvColumn{};
        lvColumn.mask = LVCF_TEXT | LVCF_WIDTH;
        lvColumn.cx = 130;
        lvColumn.pszText = const_cast<wchar_t*>(headings[column]);
        SendMessageW(listView, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&lvColumn));
    }
    const wchar_t* rows[][2] = {{L"Alpha", L"1"}, {L"Beta", L"2"}, {L"Gamma", L"3"}, {L"Delta", L"4"}};
    for (int row = 0; row < 4; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(rows[row][0]);
        SendMessageW(listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<wchar_t*>(rows[row][1]);
        SendMessageW(listView, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
    HWND tree =
        named(p, "Tree",
              createChild(page, WC_TREEVIEWW, L"",
                          WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, {300, 282, 280, 116}));
    TVINSERTSTRUCTW insert{};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.hParent = TVI_ROOT;
    insert.item.pszText = const_cast<wchar_t*>(L"Publication");
    auto root = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    for (const wchar_t* child : {L"Pages", L"Objects", L"Variables"}) {
        insert.hParent = root;
        insert.item.pszText = const_cast<wchar_t*>(child);
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
    }
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    HWND tabs = named(p, "Tabs", createChild(page, WC_TABCONTROLW, L"", 0, {600, 8, 280, 140}));
    int index = 0;
    for (const wchar_t* label : {L"General", L"Colors", L"About"}) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(label);
        SendMessageW(tabs, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&tab));
    }
}

// Below the first rows: a header on its own, a marquee progress bar, a status bar along the
// bottom of the page and a tooltip on Button1.
void buildBottomRow(Publication& p, HWND page) {
    HWND header = named(p, "Header", createChild(page, WC_HEADERW, L"", HDS_BUTTONS | HDS_HORZ, {10, 408, 270, 24}));
    const std::pair<const wchar_t*, int> columns[] = {
        {L"Name", HDF_SORTUP}, {L"Size", HDF_RIGHT}, {L"Changed", HDF_SORTDOWN}};
    int index = 0;
    for (const auto& [title, format] : columns) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = 90;
        item.fmt = HDF_STRING | format;
        item.pszText = const_cast<wchar_t*>(title);
        SendMessageW(header, HDM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
    }
    HWND marquee = named(p, "Marquee", createChild(page, PROGRESS_CLASSW, L"", PBS_MARQUEE, {300, 411, 280, 18}));
    SendMessageW(marquee, PBM_SETMARQUEE, TRUE, 30);
    HWND status = named(p, "Status", createChild(page, STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP | CCS_BOTTOM, {}));
    int rightEdges[] = {200, 400, -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rightEdges));
    const wchar_t* parts[] = {L"Ready", L"Page 1 of 1", L"Hueloom demo"};
    for (WPARAM part = 0; part < 3; ++part)
        SendMessageW(status, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(parts[part]));

    // A tooltip is a top-level window of its own, owned by the page's window.
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, page, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    const NamedWindow* button = p.find("Button1");
    if (!tip || !button) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // No TTF_SUBCLASS: the tip must not take over Button1's mouse messages (nor the thread's
    // one request for a mouse-leave notice), so that pointing at Button1 behaves as before.
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = page;
    tool.uId = reinterpret_cast<UINT_PTR>(button->window);
    tool.lpszText = const_cast<wchar_t*>(L"Sends the form");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    named(p, "Tooltip", tip);
}

void buildDemoObjects(Publication& p, HWND page) {
    for (const auto& [variable, value] : kDemoValues) session().variables.set(variable, value);
    for (const DemoObject& object : kDemoObjects) {
        HostObjectSetup setup{object.kind, object.caption, object.range, object.variable};
        p.add(object.name,
              createHostObject(page, setup, object.box.x, object.box.y, object.box.width, object.box.height),
              WindowRole::HostObject);
    }
}

std::string dotted(std::string_view owner, const char* part) {
    return std::string(owner) + "." + part;
}

}  // namespace

void buildDemoPage(Publication& publication, HWND page) {
    buildTextControls(publication, page);
    buildButtons(publication, page);
    buildBars(publication, page);
    buildLists(publication, page);
    buildBottomRow(publication, page);
    buildDemoObjects(publication, page);
}

void buildSecondPage(Publication& p, HWND page, std::string_view pageName) {
    named(p, dotted(pageName, "Label"),
          createChild(page, L"Static", L"Second page", SS_LEFT, {10, 12, 200, 20}));
    named(p, dotted(pageName, "Edit"),
          createChild(page, L"Edit", L"Page edit", WS_BORDER | ES_AUTOHSCROLL, {10, 40, 200, 24}));
    named(p, dotted(pageName, "Check"),
          createChild(page, L"Button", L"Page check", BS_AUTOCHECKBOX, {10, 72, 200, 20}, 201));
    named(
        p, dotted(pageName, "Radio1"),
        createChild(page, L"Button", L"Page radio A", BS_AUTORADIOBUTTON | WS_GROUP, {10, 96, 200, 20}, 202));
    named(p, dotted(pageName, "Radio2"),
          createChild(page, L"Button", L"Page radio B", BS_AUTORADIOBUTTON, {10, 120, 200, 20}, 203));
    named(p, dotted(pageName, "Button"),
          createChild(page, L"Button", L"Page button", BS_PUSHBUTTON, {10, 150, 100, 28}, 204));
    HWND list = named(p, dotted(pageName, "List"),
                      createChild(page, L"ListBox", L"", WS_BORDER | WS_VSCROLL, {230, 12, 160, 120}));
    addListItems(list, LB_ADDSTRING, {L"North", L"East", L"South", L"West"});
    HWND track = named(p, dotted(pageName, "Track"),
                       createChild(page, TRACKBAR_CLASSW, L"", TBS_HORZ, {230, 150, 200, 30}));
    SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
}

void buildDialog(Publication& p, HWND dialog, std::string_view dialogName) {
    named(p, dotted(dialogName, "Label"),
          createChild(dialog, L"Static", L"Dialog text", SS_LEFT, {12, 12, 340, 20}));
    named(p, dotted(dialogName, "Edit"),
          createChild(dialog, L"Edit", L"Dialog edit", WS_BORDER | ES_AUTOHSCROLL, {12, 38, 340, 24}));
    named(p, dotted(dialogName, "Check"),
          createChild(dialog, L"Button", L"Dialog check", BS_AUTOCHECKBOX, {12, 70, 200, 20}, 301));
    HWND list = named(p, dotted(dialogName, "List"),
                      createChild(dialog, L"ListBox", L"", WS_BORDER | WS_VSCROLL, {12, 96, 200, 90}));
    addListItems(list, LB_ADDSTRING, {L"First", L"Second", L"Third"});
    named(p, dotted(dialogName, "OK"),
          createChild(dialog, L"Button", L"OK", BS_DEFPUSHBUTTON, {190, 196, 75, 26}, IDOK));
    named(p, dotted(dialogName, "Cancel"),
          createChild(dialog, L"Button", L"Cancel", BS_PUSHBUTTON, {275, 196, 75, 26}, IDCANCEL));
}

}  // namespace standin
