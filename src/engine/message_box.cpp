#include "engine/message_box.h"

#include <string_view>

#include "engine/classify.h"
#include "engine/fallback_painting.h"
#include "engine/native_theming.h"
#include "engine/registry.h"
#include "engine/theming_pass.h"
#include "paint/theme_brushes.h"
#include "platform/module_pin.h"
#include "platform/subclass.h"
#include "platform/thread_hook.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr UINT_PTR kDialogClassAtom = 32770;
constexpr std::wstring_view kDialogClassName = L"#32770";

bool isDialogClass(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) return reinterpret_cast<UINT_PTR>(name) == kDialogClassAtom;
    return name && std::wstring_view(name) == kDialogClassName;
}

struct ChildCensus {
    int buttons = 0;
    int others = 0;
};

BOOL CALLBACK countChild(HWND child, LPARAM data) {
    auto* census = reinterpret_cast<ChildCensus*>(data);
    const ControlKind kind = classifyWindow(child);
    if (kind == ControlKind::PushButton) census->buttons += 1;
    else if (kind != ControlKind::Static) census->others += 1;
    return TRUE;
}

BOOL CALLBACK themeDialogChild(HWND child, LPARAM) {
    themeChild(child);
    return TRUE;
}

void watchDialog(HWND dialog) {
    if (!canSubclass() || !installSubclass(dialog, messageBoxSubclassProc, SubclassId::MessageBox)) return;
    windowRegistry().messageBoxes.insert(dialog);
}

void letGo(HWND dialog) {
    removeSubclass(dialog, messageBoxSubclassProc, SubclassId::MessageBox);
    windowRegistry().messageBoxes.erase(dialog);
}

void fillBackground(HWND dialog, HDC dc) {
    RECT client{};
    GetClientRect(dialog, &client);
    FillRect(dc, &client, themeBrushes().page);
}

} // namespace

void updateMessageBoxHook() {
    HHOOK& hook = messageBoxHook();
    if (!themeColorsInForce()) {
        removeMessageBoxHook();
        return;
    }
    if (hook) return;
    hook = installThreadCbtHook(messageBoxCbtProc);
    // The hook calls into this module from now on.
    if (hook) pinModule();
}

void removeMessageBoxHook() {
    HHOOK& hook = messageBoxHook();
    removeThreadHook(hook);
    hook = nullptr;
}

void removeMessageBoxTheming() {
    removeMessageBoxHook();
    WindowSet& boxes = windowRegistry().messageBoxes;
    for (HWND dialog : boxes.windows()) {
        if (!IsWindow(dialog)) continue;
        removeSubclass(dialog, messageBoxSubclassProc, SubclassId::MessageBox);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    boxes.clear();
}

bool looksLikeMessageBox(HWND dialog) {
    ChildCensus census;
    EnumChildWindows(dialog, countChild, reinterpret_cast<LPARAM>(&census));
    return census.buttons > 0 && census.others == 0;
}

LRESULT CALLBACK messageBoxCbtProc(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = messageBoxHook();
    if (code == HCBT_CREATEWND && hook && themeColorsInForce()) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (create && create->lpcs && isDialogClass(create->lpcs->lpszClass))
            watchDialog(reinterpret_cast<HWND>(wParam));
    }
    return passHookOn(hook, code, wParam, lParam);
}

LRESULT CALLBACK messageBoxSubclassProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR subclassId, DWORD_PTR) {
    const bool inForce = themeColorsInForce();
    switch (message) {
    case WM_INITDIALOG: {
        // The dialog procedure lays its controls out first (and drops those it needs not).
        const LRESULT result = defaultSubclassProcessing(dialog, message, wParam, lParam);
        if (inForce && looksLikeMessageBox(dialog)) {
            EnumChildWindows(dialog, themeDialogChild, 0);
            applyTitleBar(dialog);
        } else {
            letGo(dialog);
        }
        return result;
    }
    case WM_CTLCOLORDLG:
        if (!inForce) break;
        SetTextColor(reinterpret_cast<HDC>(wParam), currentTheme().controlText);
        SetBkColor(reinterpret_cast<HDC>(wParam), currentTheme().pageBack);
        return reinterpret_cast<LRESULT>(themeBrushes().page);
    case WM_ERASEBKGND:
        if (!inForce || !wParam) break;
        fillBackground(dialog, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT: {
        // Everything a message box shows is a control but its background; the stock one
        // would paint a light area of its own.
        if (!inForce) break;
        PAINTSTRUCT ps;
        BeginPaint(dialog, &ps);
        EndPaint(dialog, &ps);
        return 0;
    }
    case WM_NCDESTROY:
        removeSubclass(dialog, messageBoxSubclassProc, static_cast<SubclassId>(subclassId));
        windowRegistry().messageBoxes.erase(dialog);
        break;
    default:
        break;
    }
    return defaultSubclassProcessing(dialog, message, wParam, lParam);
}

} // namespace hueloom
