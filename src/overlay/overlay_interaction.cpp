#include "overlay/overlay_interaction.h"

#include "overlay/bindings.h"
#include "platform/process_lifetime.h"
#include "platform/subclass.h"
#include "platform/system_functions.h"

namespace hueloom {

namespace {

// Looked up afresh every time: the host may destroy its object, or a script may unbind it,
// inside any message that we pass on.
OverlayBinding* liveBinding(HWND object) {
    return shuttingDown() ? nullptr : overlayState().bindings.find(object);
}

void invalidateOverlay(HWND object) {
    if (OverlayBinding* binding = liveBinding(object); binding && binding->overlayWindow)
        InvalidateRect(binding->overlayWindow, nullptr, FALSE);
}

void startHover(OverlayBinding& binding) {
    if (binding.hot) return;
    binding.hot = true;
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, binding.objectWindow, 0};
    TrackMouseEvent(&track);
    if (binding.overlayWindow) InvalidateRect(binding.overlayWindow, nullptr, FALSE);
}

// After clicks, key releases, capture and enable changes the host has redrawn its object:
// put the overlay back on top and redraw it from the new value.
void refreshAfterInput(HWND object) {
    OverlayBinding* binding = liveBinding(object);
    if (!binding || !binding->overlayWindow) return;
    const HWND overlay = binding->overlayWindow;
    syncOverlay(*binding);
    InvalidateRect(overlay, nullptr, FALSE);
}

void selectInRadioGroup(const OverlayBinding& clicked) {
    const std::wstring variable = clicked.variable;
    const std::wstring caption = clicked.caption;
    overlayState().bindings.forEach([&](HWND, OverlayBinding& member) {
        if (member.kind != OverlayKind::Radio) return;
        // Same name, same letter case; a radio bound without a variable speaks for them all.
        if (!variable.empty() && member.variable != variable) return;
        member.value = caption;
        if (member.overlayWindow) InvalidateRect(member.overlayWindow, nullptr, FALSE);
    });
}

} // namespace

LRESULT CALLBACK overlayObjectSubclassProc(HWND object, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR subclassId, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        if (!shuttingDown()) {
            if (auto removeWindowSubclass = systemFunctions().removeWindowSubclass)
                removeWindowSubclass(object, overlayObjectSubclassProc, subclassId);
            destroyOverlay(object);
        }
        return defaultSubclassProcessing(object, message, wParam, lParam);
    }

    OverlayBinding* binding = liveBinding(object);
    if (!binding) return defaultSubclassProcessing(object, message, wParam, lParam);

    switch (message) {
    case WM_MOUSEMOVE: {
        startHover(*binding);
        if (!(wParam & MK_LBUTTON)) break;
        const LRESULT result = defaultSubclassProcessing(object, message, wParam, lParam);
        invalidateOverlay(object);  // the host has moved its thumb: follow the drag
        return result;
    }
    case WM_MOUSELEAVE:
        binding->hot = false;
        if (binding->overlayWindow) InvalidateRect(binding->overlayWindow, nullptr, FALSE);
        break;
    case WM_PAINT: {
        const LRESULT result = defaultSubclassProcessing(object, message, wParam, lParam);
        if (OverlayBinding* after = liveBinding(object)) {
            syncOverlay(*after);
            // The host repaints its object when the object's value changes, for example when
            // a script sets the bound variable; the overlay draws that value, so it follows.
            if (after->overlayWindow) InvalidateRect(after->overlayWindow, nullptr, FALSE);
        }
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_ENABLE: {
        const LRESULT result = defaultSubclassProcessing(object, message, wParam, lParam);
        if (message == WM_LBUTTONUP) applyOverlayClick(object);
        refreshAfterInput(object);
        return result;
    }
    case WM_WINDOWPOSCHANGED:
    case WM_SHOWWINDOW: {
        const LRESULT result = defaultSubclassProcessing(object, message, wParam, lParam);
        if (OverlayBinding* after = liveBinding(object)) positionOverlay(*after);
        return result;
    }
    default:
        break;
    }
    return defaultSubclassProcessing(object, message, wParam, lParam);
}

void applyOverlayClick(HWND object) {
    OverlayBinding* binding = liveBinding(object);
    if (!binding) return;
    switch (binding->kind) {
    case OverlayKind::Check: {
        const bool wasOn = isBindingOn(*binding);  // may call the host: look the binding up again
        if (OverlayBinding* after = liveBinding(object)) after->value = wasOn ? L"False" : L"True";
        break;
    }
    case OverlayKind::Radio:
        selectInRadioGroup(*binding);
        break;
    case OverlayKind::Track:
        break;  // the host moves its own thumb; the overlay draws the variable's value
    }
}

} // namespace hueloom
