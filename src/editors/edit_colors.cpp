// The colour editors of SetColors, SetTitleBar and SetAccent: one system colour dialog per
// colour, in parameter order.
#include "editors/editor_choices.h"
#include "editors/editors.h"
#include "editors/system_dialogs.h"

namespace hueloom {

namespace {

EditOutcome editColors(EditorParams current, int count) {
    EditOutcome outcome;
    for (int position = 1; position <= count; ++position) {
        const size_t index = static_cast<size_t>(position - 1);
        const Color initial = startingColor(index < current.size() ? current[index] : std::wstring(), position);
        const std::optional<Color> chosen = pickColor(initial);
        // Cancelling a later colour keeps the ones already chosen.
        if (!chosen) {
            outcome.accepted = position > 1;
            return outcome;
        }
        outcome.writes.push_back(formatColor(*chosen));
    }
    outcome.accepted = true;
    return outcome;
}

} // namespace

EditOutcome editThreeColors(EditorParams current) { return editColors(current, 3); }

EditOutcome editTwoColors(EditorParams current) { return editColors(current, 2); }

EditOutcome editAccent(EditorParams current) {
    EditOutcome outcome = editColors(current, 1);
    // Choosing an accent implies the plug-in's own glyph drawing.
    if (outcome.accepted) outcome.writes.push_back(L"On");
    return outcome;
}

} // namespace hueloom
