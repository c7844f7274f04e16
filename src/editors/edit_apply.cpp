// The Apply editor: a skin file (typed or browsed for) and an optional subroutine.
#include "editors/editor_controls.h"
#include "editors/editor_dialogs.h"
#include "editors/editors.h"
#include "editors/system_dialogs.h"

namespace hueloom {

namespace {

using namespace editor_controls;

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kField = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;

constexpr ControlLayout kApplyControls[] = {
    {L"Static", L"Skin file (.ini) - use [PubDir]Skins\\Name.ini for portable apps:", -1, kLabel, 0, 16, 14, 400, 18},
    {L"Edit", L"", kSkinFileField, kField, WS_EX_CLIENTEDGE, 16, 36, 330, 24},
    {L"Button", L"Browse...", kBrowseButton, kButton, 0, 354, 36, 70, 24},
    {L"Static", L"Subroutine to GoSub after applying (optional, e.g. SkinObjects):", -1, kLabel, 0, 16, 72, 400, 18},
    {L"Edit", L"", kSubroutineField, kField, WS_EX_CLIENTEDGE, 16, 94, 408, 24},
    {L"Button", L"OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 264, 132, 75, 26},
    {L"Button", L"Cancel", IDCANCEL, kButton, 0, 349, 132, 75, 26},
};

constexpr DialogLayout kApplyDialog{L"Hueloom - Apply Skin", 440, 170, kApplyControls};

} // namespace

EditOutcome editApplySkin(EditorParams current) {
    EditorDialog dialog(kApplyDialog);
    if (!dialog.created()) return {};
    dialog.setText(kSkinFileField, current.size() > 0 ? current[0] : std::wstring());
    dialog.setText(kSubroutineField, current.size() > 1 ? current[1] : std::wstring());
    dialog.show(kSkinFileField);

    for (;;) {
        const int command = dialog.waitForCommand();
        if (command == IDOK) break;
        if (command == IDCANCEL) return {};
        if (command == kBrowseButton) {
            if (auto path = browseForSkinFile(dialog.window())) dialog.setText(kSkinFileField, *path);
        }
    }
    // Exactly as typed: the action itself reports a missing file.
    return {true, {dialog.text(kSkinFileField), dialog.text(kSubroutineField)}};
}

} // namespace hueloom
