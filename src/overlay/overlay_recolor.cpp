#include "overlay/overlay_recolor.h"

#include "overlay/overlay_binding.h"

namespace hueloom {

void recolorOverlayBacks(Color pageBefore, Color pageAfter) {
    if (pageBefore == pageAfter) return;
    // A back colour of the author's own stays; InvalidateRect sends nothing, so the walk
    // cannot reach code that changes the bindings.
    overlayState().bindings.forEach([&](HWND, OverlayBinding& binding) {
        if (binding.backColor != pageBefore) return;
        binding.backColor = pageAfter;
        if (binding.overlayWindow && IsWindow(binding.overlayWindow))
            InvalidateRect(binding.overlayWindow, nullptr, FALSE);
    });
}

} // namespace hueloom
