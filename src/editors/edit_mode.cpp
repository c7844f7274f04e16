// The SetMode editor: one of three base modes.
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
    // WS_GROUP ends the radio group so the arrow keys stay within the three modes.
    {L"Button", L"OK", IDOK, WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 124, 130, 75, 26},
    {L"Button", L"Cancel", IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, 0, 209, 130, 75, 26},
};

constexpr DialogLayout kModeDialog{L"Hueloom - Mode", 300, 170, kModeControls};

int buttonFor(Mode mode) {
    switch (mode) {
    case Mode::Light: return kLightButton;
    case Mode::System: return kSystemButton;
    case Mode::Dark: break;
    }
    return kDarkButton;
}

Mode chosenMode(const EditorDialog& dialog) {
    if (dialog.isChecked(kLightButton)) return Mode::Light;
    if (dialog.isChecked(kSystemButton)) return Mode::System;
    return Mode::Dark;
}

} // namespace

EditOutcome editMode(EditorParams current) {
    EditorDialog dialog(kModeDialog);
    if (!dialog.created()) return {};
    const int preselected = buttonFor(preselectedMode(current.empty() ? std::wstring() : current[0]));
    dialog.check(preselected);
    dialog.show(preselected);

    int command = 0;
    do {
        command = dialog.waitForCommand();
    } while (command != IDOK && command != IDCANCEL);
    if (command == IDCANCEL) return {};
    return {true, {std::wstring(modeName(chosenMode(dialog)))}};
}

} // namespace hueloom
