// Taking the plug-in's subclasses and overlays off every window (Reset).
#include <cstdint>

#include "engine/color_subclass.h"
#include "engine/glyph_button.h"
#include "engine/subclass_ids.h"
#include "engine/theming_pass.h"
#include "overlay/overlay_interaction.h"
#include "plugin/process_state.h"

namespace hueloom {

void removeColorSubclasses() {
    ProcessState& state = process();
    if (auto removeWindowSubclass = state.system.removeWindowSubclass) {
        state.windows.colorSubclassed.forEach([removeWindowSubclass](HWND window, int32_t) {
            if (IsWindow(window)) removeWindowSubclass(window, colorSubclassProc, kColorSubclassId);
        });
    }
    state.windows.colorSubclassed.clear();
}

void removeGlyphSubclasses() {
    ProcessState& state = process();
    if (auto removeWindowSubclass = state.system.removeWindowSubclass) {
        state.windows.glyphSubclassed.forEach([removeWindowSubclass](HWND button, int32_t) {
            if (!IsWindow(button)) return;
            removeWindowSubclass(button, glyphSubclassProc, kGlyphSubclassId);
            InvalidateRect(button, nullptr, TRUE);
        });
    }
    state.windows.glyphSubclassed.clear();
    state.hoverButton = nullptr;
}

void removeAllOverlays() {
    ProcessState& state = process();
    auto& bindings = state.overlays.bindings;
    // Destroying an overlay runs its window procedure, which may touch the bindings:
    // walk a copy of the keys and look each binding up again.
    for (HWND key : bindings.keys()) {
        const OverlayBinding* binding = bindings.find(key);
        if (!binding) continue;
        const HWND objectWindow = binding->objectWindow;
        const HWND overlayWindow = binding->overlayWindow;
        const bool objectLive = objectWindow && IsWindow(objectWindow);
        if (objectLive && state.system.removeWindowSubclass) {
            state.system.removeWindowSubclass(objectWindow, overlayObjectSubclassProc,
                                              kOverlayObjectSubclassId);
        }
        if (overlayWindow && IsWindow(overlayWindow)) DestroyWindow(overlayWindow);
        if (objectLive && IsWindow(objectWindow)) InvalidateRect(objectWindow, nullptr, TRUE);
    }
    bindings.clear();
}

} // namespace hueloom
