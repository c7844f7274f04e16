#include "editors/editors.h"

#include "plugin/host_bridge.h"

namespace hueloom {

int32_t editAction(int32_t actionNumber, void* params) {
    switch (actionNumber) {
    case 1: return editApplySkin(params);
    case 2: return editMode(params);
    case 3: return editColors(params, 3);  // control/caption background, text, page background
    case 4: return editColors(params, 2);  // title bar, title text
    case 6: return editAutoRefresh(params);
    case 11:
        // Choosing an accent implies the plug-in's own glyph drawing.
        if (editColors(params, 1) == 0) return 0;
        HostBridge::putParam(params, 1, L"On");
        return 1;
    case 5: case 7: case 8: case 9: case 10:
    case 12: case 13: case 14: case 15: case 16:
        return 1;  // nothing to edit: the parameters stand as given
    default:
        return 0;
    }
}

} // namespace hueloom
