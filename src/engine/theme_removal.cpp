#include "engine/theme_removal.h"

#include <string>

#include "engine/auto_refresh.h"
#include "engine/color_subclass.h"
#include "engine/control_painting.h"
#include "engine/fallback_painting.h"
#include "engine/glyph_button.h"
#include "engine/native_theming.h"
#include "engine/original_look.h"
#include "engine/registry.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "overlay/bindings.h"
#include "platform/subclass.h"
#include "platform/system_functions.h"
#include "theme/theme_state.h"

namespace hueloom {

void restoreStockLook() {
    loadSystemFunctions();
    beginUpdate();
    ThemeState& theme = currentTheme();
    applyStockLook(theme);
    stopAutoRefresh();

    // Handles are collected first: restoring a window may send messages that reach code
    // which touches the registries.
    ThemedWindowRegistry& windows = windowRegistry();
    for (HWND window : windows.themedControls.keys()) {
        const ControlKind* kind = windows.themedControls.find(window);
        if (!kind || !IsWindow(window)) continue;
        applyNativeTheme(window, *kind);
        InvalidateRect(window, nullptr, TRUE);
    }
    for (HWND window : windows.titleBarWindows.windows())
        if (IsWindow(window)) applyTitleBar(window);
    applyAppMode();

    removeColorSubclasses();
    removeGlyphSubclasses();
    const std::vector<HWND> groupBoxes = removeControlPainters();
    removeFallbackPainters();
    removeAllOverlays();
    redrawTitleBarWindows();
    forgetOriginalLooks();  // every control has had its own look back above
    windows.themedControls.clear();
    windows.titleBarWindows.clear();
    windows.unfinishedControls.clear();
    // Given back, not only emptied: a hostile skin's name may have been megabytes long.
    std::wstring().swap(theme.skinName);
    std::wstring().swap(theme.skinFile);
    endUpdate(UpdateEnd::OneLevel);
    uncoverGroupBoxes(groupBoxes);
}

void removeColorSubclasses() {
    WindowSet& subclassed = windowRegistry().colorSubclassed;
    subclassed.forEach([](HWND window) {
        if (IsWindow(window)) removeSubclass(window, colorSubclassProc, SubclassId::Color);
    });
    subclassed.clear();
}

void removeGlyphSubclasses() {
    WindowSet& subclassed = windowRegistry().glyphSubclassed;
    const bool canRemove = systemFunctions().removeWindowSubclass != nullptr;
    subclassed.forEach([canRemove](HWND button) {
        if (!canRemove || !IsWindow(button)) return;
        removeSubclass(button, glyphSubclassProc, SubclassId::Glyph);
        InvalidateRect(button, nullptr, TRUE);
    });
    subclassed.clear();
    setHoveredGlyphButton(nullptr);
}

} // namespace hueloom
