// The colour editor of SetColors, SetTitleBar and SetAccent: one system colour dialog per
// colour, in parameter order.
#include "editors/editor_choices.h"
#include "editors/editors.h"
#include "editors/system_dialogs.h"
#include "plugin/host_bridge.h"

namespace hueloom {

int32_t editColors(void* params, int count) {
    for (int position = 1; position <= count; ++position) {
        const Color initial = startingColor(HostBridge::getParam(params, position - 1), position);
        const std::optional<Color> chosen = pickColor(initial);
        // Cancelling a later colour keeps the ones already chosen.
        if (!chosen) return position == 1 ? 0 : 1;
        HostBridge::putParam(params, position - 1, formatColor(*chosen));
    }
    return 1;
}

} // namespace hueloom
