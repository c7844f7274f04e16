// The SetMode editor: one of three base modes, or Auto.
#include "editors/editor_choices.h"
#include "editors/editor_controls.h"
#include "editors/editor_dialogs.h"
#include "editors/editors.h"

namespace hueloom {

namespace {

using namespace editor_controls;

constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

constexpr ControlLayout kModeControls[] = {
    {L"Static", L"Choose the base mode:", -1, SS_LEFT | SS_NOPREFIX, 0, 16, 14, 270, 18},
    {L"Button", L"Dark  (default dark colors)", kDarkButton, kRadio | WS_GROUP | WS_TABSTOP, 0, 24, 40, 250, 20},
    {L"Button", L"Light (default light colors)", kLightButton, kRadio, 0, 24, 64, 250, 20},
    {L"Button", L"System (stock Windows look)", kSystemButton, kRadio, 0, 24, 88, 250, 20},
    {L"Button", L"Auto  (follow the Windows setting)", kAutoButton, kRadio, 0, 24, 112, 250, 20},
    // WS_GROUP ends the radio group so the arrow keys stay within the four choices.
    {L"Button", L"OK", IDOK, WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 124, 154, 75, 26},
    {L"Button", L"Cancel", IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, 0, 209, 154, 75, 26},
};

constexpr DialogLayout kModeDialog{L"Hueloom - Mode", 300, 194, kModeControls};

int buttonFor(Mode mode) {
    switch (mode) {
    case Mode::Light: return kLightButton;
    case Mode::System: return kSystemButton;
    case Mode::Dark: break;
    }
    return kDarkButton;
}

// The word written back: the mode's name, or "Auto".
const wchar_t* chosenWord(const EditorDialog& dialog) {
    if (dialog.isChecked(kAutoButton)) return kAutoModeName;
    if (dialog.isChecked(kLightButton)) return modeName(Mode::Light);
    if (dialog.isChecked(kSystemButton)) return modeName(Mode::System);
    return modeName(Mode::Dark);
}

} // namespace

EditOutcome editMode(EditorParams current) {
    EditorDialog dialog(kModeDialog);
    if (!dialog.created()) return {};
    const std::wstring word = current.empty() ? std::wstring() : current[0];
    const int preselected = isAutoModeWord(word) ? kAutoButton : buttonFor(preselectedMode(word));
    dialog.check(preselected);
    dialog.show(preselected);

    int command = 0;
    do {
        command = dialog.waitForCommand();
    } while (command != IDOK && command != IDCANCEL);
    if (command == IDCANCEL) return {};
    return {true, {std::wstring(chosenWord(dialog))}};
}

} // namespace hueloom
