#include "editors/dialog_support.h"

#include <commctrl.h>
#include <objbase.h>

namespace hueloom {

ComApartment::ComApartment() noexcept
    : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}

ComApartment::~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
}

void ensureCommonControls() noexcept {
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll");
    // Once loaded it stays: later calls find it with GetModuleHandleW and add no reference.
    if (!comctl32) comctl32 = LoadLibraryW(L"comctl32.dll");
    if (!comctl32) return;
    const auto init =
        reinterpret_cast<InitFunction>(GetProcAddress(comctl32, "InitCommonControlsEx"));
    if (!init) return;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    init(&classes);
}

HWND systemDialogOwner() noexcept {
    HWND foreground = GetForegroundWindow();
    if (!foreground) return nullptr;
    DWORD processId = 0;
    GetWindowThreadProcessId(foreground, &processId);
    return processId == GetCurrentProcessId() ? foreground : nullptr;
}

} // namespace hueloom
