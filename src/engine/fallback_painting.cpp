#include "engine/fallback_painting.h"

#include "engine/combo_button.h"
#include "engine/control_painting.h"
#include "engine/menu_bar.h"
#include "engine/message_box.h"
#include "engine/pointer_tracking.h"
#include "engine/push_button.h"
#include "engine/registry.h"
#include "engine/scroll_bar.h"
#include "engine/up_down.h"
#include "paint/theme_brushes.h"
#include "platform/module_pin.h"
#include "platform/native_theme.h"
#include "platform/process_lifetime.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

struct FallbackKind {
    ControlKind kind;
    SUBCLASSPROC procedure;
    SubclassId id;
    bool (*draws)(HWND window);
};

constexpr FallbackKind kFallbackKinds[] = {
    {ControlKind::PushButton, pushButtonSubclassProc, SubclassId::PushButton, drawsPushButton},
    {ControlKind::UpDown, upDownSubclassProc, SubclassId::UpDown, drawsUpDown},
    {ControlKind::ScrollBar, scrollBarSubclassProc, SubclassId::ScrollBar, drawsScrollBar},
    {ControlKind::ComboBox, comboButtonSubclassProc, SubclassId::ComboButton, drawsComboButton},
};

const FallbackKind* fallbackKind(ControlKind kind) {
    for (const FallbackKind& entry : kFallbackKinds)
        if (entry.kind == kind) return &entry;
    return nullptr;
}

} // namespace

bool themeColorsInForce() noexcept {
    const ThemeState& theme = currentTheme();
    return theme.active && theme.mode != Mode::System && themeBrushes().control && !shuttingDown();
}

bool fallbackPaintingInForce() { return themeColorsInForce() && !nativeDarkThemeAvailable(); }

bool installFallbackPainter(HWND window, ControlKind kind) {
    const FallbackKind* entry = fallbackKind(kind);
    if (!entry || !window || !canSubclass() || !fallbackPaintingInForce()) return true;
    WindowMap<ControlKind>& drawn = windowRegistry().fallbackPainted;
    if (drawn.contains(window) || !IsWindow(window) || !entry->draws(window)) return true;
    if (!installSubclass(window, entry->procedure, entry->id)) return false;
    drawn.set(window, kind);
    pinModule();
    InvalidateRect(window, nullptr, TRUE);
    return true;
}

void forgetFallbackPainter(HWND window, SUBCLASSPROC procedure, SubclassId id) {
    removeSubclass(window, procedure, id);
    windowRegistry().fallbackPainted.erase(window);
    forgetPointerWindow(window);
}

void removeFallbackPainters() {
    WindowMap<ControlKind>& drawn = windowRegistry().fallbackPainted;
    // Removing a subclass and repainting send messages: walk a copy of the keys.
    for (HWND window : drawn.keys()) {
        const ControlKind* kind = drawn.find(window);
        const FallbackKind* entry = kind ? fallbackKind(*kind) : nullptr;
        if (!entry || !IsWindow(window)) continue;
        if (*kind == ControlKind::ScrollBar) endScrollBarHold(window);
        removeSubclass(window, entry->procedure, entry->id);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
    drawn.clear();
    drawnControlPointer() = DrawnControlPointer{};
    setHotPart({});
    removeMenuBarTheming();
    removeMessageBoxTheming();
}

std::optional<LRESULT> paintWholeControl(HWND window, UINT message, WPARAM wParam, ControlPainter paint) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (HDC dc = BeginPaint(window, &ps)) paint(window, dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (!wParam) return std::nullopt;
        paint(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return std::nullopt;
    }
}

LRESULT askControl(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultSubclassProcessing(window, message, wParam, lParam);
}

LRESULT passOnThenRepaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = defaultSubclassProcessing(window, message, wParam, lParam);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return result;
}

} // namespace hueloom
