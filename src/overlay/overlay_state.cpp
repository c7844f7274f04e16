#include "overlay/overlay_binding.h"

namespace hueloom {

namespace {
OverlayState g_overlays;
}

OverlayState& overlayState() noexcept { return g_overlays; }

void setBoundVariableReader(BoundVariableReader reader) noexcept { g_overlays.readVariable = reader; }

void resetOverlayState() {
    const BoundVariableReader reader = g_overlays.readVariable;
    g_overlays = OverlayState{};
    g_overlays.readVariable = reader;
}

} // namespace hueloom
