#include "publication.h"

#include <commctrl.h>

#include "demo_page.h"
#include "foreign_memory.h"
#include "host_objects.h"
#include "menu_bar.h"
#include "text_util.h"

namespace standin {

namespace {

constexpr int kHostWidth = 900;
constexpr int kHostHeight = 640;
constexpr int kHostLeft = 20;
constexpr int kHostTop = 20;

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            // Pages fill the client area.
            for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                wchar_t name[64] = {};
                GetClassNameW(child, name, 64);
                if (lstrcmpiW(name, kPageClass) == 0)
                    SetWindowPos(child, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return 0;
        case WM_CLOSE:
            // The script decides when the publication ends.
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The author's page colour (SetPageColour); null: the class's dialog colour.
HBRUSH g_pageBrush = nullptr;

LRESULT CALLBACK pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND && g_pageBrush) {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, g_pageBrush);
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // OK and Cancel close the dialog once the click has been handled, as EndDialog does.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) PostMessageW(window, WM_CLOSE, 0, 0);
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool registerClass(const wchar_t* name, WNDPROC procedure, UINT style) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool Publication::createHostWindow() {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                               ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                               ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    if (!registerClass(kHostWindowClass, hostWindowProc, CS_HREDRAW | CS_VREDRAW) ||
        !registerClass(kPageClass, pageProc, 0) || !registerClass(kDialogClass, dialogProc, 0) ||
        !registerHostObjectClasses())
        return false;
    host_ = CreateWindowExW(0, kHostWindowClass, L"Stand-in host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            kHostLeft, kHostTop, kHostWidth, kHostHeight, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!host_) return false;
    ShowWindow(host_, SW_SHOW);
    SetForegroundWindow(host_);
    UpdateWindow(host_);
    return true;
}

void Publication::destroyHostWindow() noexcept {
    close();
    setPageColour(std::nullopt);
    if (host_) DestroyWindow(host_);
    host_ = nullptr;
}

void Publication::setPageColour(std::optional<COLORREF> colour) {
    HBRUSH previous = g_pageBrush;
    g_pageBrush = colour ? CreateSolidBrush(*colour) : nullptr;
    if (previous) DeleteObject(previous);
    for (const NamedWindow& named : names_)
        if (named.role == WindowRole::Page && IsWindow(named.window))
            RedrawWindow(named.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND Publication::createPage(std::string_view name, bool visible) {
    RECT client{};
    GetClientRect(host_, &client);
    const std::wstring title = widen(name);
    return CreateWindowExW(0, kPageClass, title.c_str(),
                           WS_CHILD | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0), 0, 0, client.right,
                           client.bottom, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Publication::open() {
    close();
    setPageColour(std::nullopt);
    add(kHostWindowName, host_, WindowRole::Host);
    current_ = createPage(kFirstPageName, true);
    if (!current_) return;
    add(kFirstPageName, current_, WindowRole::Page);
    buildDemoPage(*this, current_);
    SetForegroundWindow(host_);
    RedrawWindow(host_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Publication::setMenuBar(bool on) {
    if (!host_) return;
    HMENU old = GetMenu(host_);
    if (on == (old != nullptr)) return;
    SetMenu(host_, on ? createDemoMenuBar() : nullptr);
    if (old) DestroyMenu(old);
}

void Publication::close() noexcept {
    setMenuBar(false);
    for (const NamedWindow& named : names_)
        if (named.role == WindowRole::Dialog && IsWindow(named.window)) DestroyWindow(named.window);
    // Controls that are top-level windows (tooltips) do not go with their page.
    for (const NamedWindow& named : names_)
        if (named.role == WindowRole::Control && IsWindow(named.window) &&
            GetAncestor(named.window, GA_PARENT) == GetDesktopWindow())
            DestroyWindow(named.window);
    for (const NamedWindow& named : names_)
        if (named.role == WindowRole::Page && IsWindow(named.window)) DestroyWindow(named.window);
    names_.clear();
    pagesToBuild_.clear();
    current_ = nullptr;
}

std::string Publication::newPage(std::string_view name, bool buildOnShow) {
    if (isTaken(name)) return "the name '" + std::string(name) + "' is taken";
    HWND page = createPage(name, false);
    if (!page) return "the page could not be created (error " + std::to_string(GetLastError()) + ")";
    add(name, page, WindowRole::Page);
    if (buildOnShow) pagesToBuild_.emplace_back(page, std::string(name));
    else buildSecondPage(*this, page, name);
    return {};
}

std::string Publication::showPage(std::string_view name) {
    const NamedWindow* page = find(name);
    if (!page || page->role != WindowRole::Page) return "no page named '" + std::string(name) + "'";
    if (page->window == current_) return {};
    HWND previous = current_;
    current_ = page->window;
    for (auto it = pagesToBuild_.begin(); it != pagesToBuild_.end(); ++it) {
        if (it->first != current_) continue;
        const std::string pageName = it->second;
        pagesToBuild_.erase(it);
        buildSecondPage(*this, current_, pageName);
        break;
    }
    ShowWindow(current_, SW_SHOW);
    noteShown(current_, true);
    if (previous && IsWindow(previous)) {
        ShowWindow(previous, SW_HIDE);
        noteShown(previous, false);
    }
    return {};
}

std::string Publication::openDialog(std::string_view name) {
    if (isTaken(name)) return "the name '" + std::string(name) + "' is taken";
    RECT hostRect{};
    GetWindowRect(host_, &hostRect);
    const std::wstring title = widen(name);
    HWND dialog =
        CreateWindowExW(WS_EX_DLGMODALFRAME, kDialogClass, title.c_str(),
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, hostRect.left + 160,
                        hostRect.top + 140, 380, 260, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!dialog) return "the dialog could not be created (error " + std::to_string(GetLastError()) + ")";
    add(name, dialog, WindowRole::Dialog);
    buildDialog(*this, dialog, name);
    ShowWindow(dialog, SW_SHOW);
    noteShown(dialog, true);
    UpdateWindow(dialog);
    return {};
}

std::string Publication::closeDialog(std::string_view name) {
    const NamedWindow* dialog = find(name);
    if (!dialog || dialog->role != WindowRole::Dialog)
        return "no open dialog named '" + std::string(name) + "'";
    DestroyWindow(dialog->window);
    return {};
}

std::string Publication::closePage(std::string_view name) {
    const NamedWindow* page = find(name);
    if (!page || page->role != WindowRole::Page) return "no page named '" + std::string(name) + "'";
    if (page->window == current_) return "the current page '" + std::string(name) + "' cannot be closed";
    DestroyWindow(page->window);
    return {};
}

const NamedWindow* Publication::find(std::string_view name) const {
    for (const NamedWindow& named : names_)
        if (equalsFolded(named.name, name) && IsWindow(named.window)) return &named;
    return nullptr;
}

void Publication::add(std::string_view name, HWND window, WindowRole role) {
    if (!window) return;
    const bool shown = (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
    // Names of windows that are gone are forgotten, so that a long run keeps no more names
    // than it has windows.
    std::erase_if(names_, [&](const NamedWindow& named) {
        return !IsWindow(named.window) && !equalsFolded(named.name, name);
    });
    // Callers make sure the name is not taken; an entry whose window is gone is reused.
    for (NamedWindow& named : names_) {
        if (equalsFolded(named.name, name)) {
            named = NamedWindow{std::string(name), window, role, shown};
            return;
        }
    }
    names_.push_back(NamedWindow{std::string(name), window, role, shown});
}

void Publication::noteShown(HWND window, bool shown) noexcept {
    for (NamedWindow& named : names_)
        if (named.window == window) named.shown = shown;
}

std::vector<NamedWindow> Publication::lostVisibility() const {
    std::vector<NamedWindow> lost;
    for (const NamedWindow& named : names_)
        if (named.shown && IsWindow(named.window) && !(GetWindowLongW(named.window, GWL_STYLE) & WS_VISIBLE))
            lost.push_back(named);
    return lost;
}

void Publication::repaintObjectsTiedTo(std::string_view variable) const {
    for (const NamedWindow& named : names_) {
        if (named.role != WindowRole::HostObject || !IsWindow(named.window)) continue;
        const std::string* tied = tiedVariable(named.window);
        if (tied && equalsFolded(*tied, variable)) InvalidateRect(named.window, nullptr, TRUE);
    }
}

}  // namespace standin
