#include "editors/system_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "editors/dialog_support.h"
#include "editors/editor_choices.h"

namespace hueloom {

namespace {

// Explorer style, the folder must exist, the current directory stays as it was, no
// read-only box.
constexpr DWORD kSkinFileFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
static_assert(kSkinFileFlags == 0x8080C);

constexpr size_t kPathCapacity = 32768;  // the longest path Windows accepts

} // namespace

std::optional<std::wstring> browseForSkinFile(HWND owner) {
    const std::wstring filter = openFileFilter(L"Skin files (*.ini)|*.ini|All files|*.*");
    std::vector<wchar_t> path(kPathCapacity, L'\0');

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = path.data();
    request.nMaxFile = static_cast<DWORD>(path.size() - 1);
    request.lpstrTitle = L"Choose skin file";
    request.Flags = kSkinFileFlags;

    ensureCommonControls();
    const ComApartment apartment;
    if (!GetOpenFileNameW(&request) || path[0] == L'\0') return std::nullopt;
    return std::wstring(path.data());
}

std::optional<Color> pickColor(Color initial) noexcept {
    // The custom colour row starts white each time: nothing survives an editor call.
    COLORREF customColors[16];
    for (COLORREF& custom : customColors) custom = RGB(255, 255, 255);

    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = systemDialogOwner();
    request.rgbResult = initial;
    request.lpCustColors = customColors;
    request.Flags = CC_RGBINIT;

    ensureCommonControls();
    if (!ChooseColorW(&request)) return std::nullopt;
    return static_cast<Color>(request.rgbResult & 0xFFFFFF);
}

AutoRefreshAnswer askAutoRefresh() noexcept {
    const int answer = MessageBoxW(systemDialogOwner(),
                                   L"Enable automatic theming of new controls and dialogs?\n\nYes = On,  No = Off",
                                   L"Hueloom - Auto refresh", MB_YESNOCANCEL);
    if (answer == IDYES) return AutoRefreshAnswer::On;
    if (answer == IDNO) return AutoRefreshAnswer::Off;
    return AutoRefreshAnswer::Cancelled;
}

} // namespace hueloom
