#pragma once
// Design-time editors shown by the authoring tool when an author inserts or edits an action.
// Each takes the action's current parameter texts, shows its dialog and says what to write
// back; the plug-in reads and writes the host's parameter slots. Nothing outlives the call.
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace hueloom {

struct EditOutcome {
    // True: the parameters are accepted (written or left as they were); false: the author
    // cancelled.
    bool accepted = false;
    // One entry per parameter position; nullopt leaves that parameter as it is.
    std::vector<std::optional<std::wstring>> writes;
};

using EditorParams = std::span<const std::wstring>;
using ActionEditor = EditOutcome (*)(EditorParams current);

// Apply: a skin file (typed or browsed for) and an optional subroutine.
EditOutcome editApplySkin(EditorParams current);
// SetMode: one of three base modes, preselected from the current word.
EditOutcome editMode(EditorParams current);
// One system colour dialog per colour: SetColors (3), SetTitleBar (2).
EditOutcome editThreeColors(EditorParams current);
EditOutcome editTwoColors(EditorParams current);
// SetAccent: one colour, and the glyph switch turned On.
EditOutcome editAccent(EditorParams current);
// AutoRefresh: a yes/no/cancel question; the current value plays no part.
EditOutcome editAutoRefresh(EditorParams current);

} // namespace hueloom
