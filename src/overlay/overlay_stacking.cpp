#include "overlay/overlay_stacking.h"

#include <vector>

#include "overlay/overlay_binding.h"

namespace hueloom {

namespace {

// A walk of one parent's children ends here even if the z-order were to loop.
constexpr int kMaxChildrenWalked = 1 << 16;

struct OverlaysByParent {
    WindowMap<HWND> objectOfOverlay;
    std::vector<HWND> parents;  // each once, in the order first met
};

OverlaysByParent groupByParent(std::span<const HWND> objects) {
    const WindowMap<OverlayBinding>& bindings = overlayState().bindings;
    OverlaysByParent grouped;
    WindowSet parentsMet;
    for (const HWND object : objects) {
        const OverlayBinding* binding = bindings.find(object);
        if (!binding || !binding->overlayWindow) continue;
        grouped.objectOfOverlay.set(binding->overlayWindow, object);
        const HWND parent = GetParent(binding->overlayWindow);
        if (parent && parentsMet.insert(parent)) grouped.parents.push_back(parent);
    }
    return grouped;
}

} // namespace

WindowSet coveredOverlays(std::span<const HWND> objects) {
    const WindowMap<OverlayBinding>& bindings = overlayState().bindings;
    const OverlaysByParent grouped = groupByParent(objects);
    WindowSet covered;
    WindowSet objectsAbove;  // bound objects met so far in the current parent, from the top down
    for (const HWND parent : grouped.parents) {
        objectsAbove.clear();
        int walked = 0;
        for (HWND child = GetWindow(parent, GW_CHILD); child && walked < kMaxChildrenWalked;
             child = GetWindow(child, GW_HWNDNEXT), ++walked) {
            if (bindings.contains(child)) {
                objectsAbove.insert(child);
            } else if (const HWND* object = grouped.objectOfOverlay.find(child)) {
                if (objectsAbove.contains(*object)) covered.insert(child);
            }
        }
    }
    return covered;
}

} // namespace hueloom
