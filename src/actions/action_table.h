#pragma once
// The one table of the plug-in's script actions. Registration, dispatch and the editors
// all look actions up here; a new action is a new row, its handler and (if it has one)
// its editor.
#include <cstdint>
#include <span>

#include "actions/action_result.h"
#include "editors/editors.h"

namespace hueloom {

struct ActionRow {
    int32_t number;          // what the host passes to nbExecAction and nbEditAction
    const wchar_t* name;
    int32_t parameterCount;  // every parameter is a text
    const wchar_t* hint;
    ActionHandler handler;
    ActionEditor editor;     // null: nothing to edit, the parameters stand as given
};

// In registration order.
[[nodiscard]] std::span<const ActionRow> actionTable() noexcept;
// The row of action `number`, or null.
[[nodiscard]] const ActionRow* findAction(int32_t number) noexcept;

} // namespace hueloom
