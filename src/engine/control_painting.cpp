#include "engine/control_painting.h"

#include "engine/drawn_controls.h"
#include "engine/registry.h"
#include "paint/theme_brushes.h"
#include "platform/gdi.h"
#include "platform/module_pin.h"
#include "platform/process_lifetime.h"
#include "platform/system_functions.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr LONG kButtonTypeMask = 0xF;

bool drawingInForce() noexcept {
    return currentTheme().active && !shuttingDown() && themeBrushes().control;
}

bool tracksHotParts(SubclassId painter) noexcept {
    return painter == SubclassId::HeaderPaint || painter == SubclassId::TabPaint;
}

// While a painter draws, the messages it sends are not taken as changes to draw again.
bool g_drawing = false;
// Paints so far, to tell whether a control repainted itself while handling a change.
unsigned g_paints = 0;

void drawWith(SubclassId painter, HWND window, HDC dc) {
    const bool outer = g_drawing;  // an owner-drawn part may paint another drawn control
    g_drawing = true;
    ++g_paints;
    // Every painter writes with the control's own font, or the GUI font when it has none.
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const SelectGuard fontGuard(dc, font);
    switch (painter) {
    case SubclassId::HeaderPaint: drawHeader(window, dc); break;
    case SubclassId::TabPaint: drawTabControl(window, dc); break;
    case SubclassId::ProgressPaint: drawProgressBar(window, dc); break;
    case SubclassId::GroupBoxPaint: drawGroupBox(window, dc); break;
    case SubclassId::StatusBarPaint: drawStatusBar(window, dc); break;
    case SubclassId::ToolTipPaint: drawToolTip(window, dc); break;
    default: break;
    }
    g_drawing = outer;
}

// Messages after which a control may have drawn itself straight into its window. Only
// those that change what it shows: the painters themselves ask with other messages.
bool drawsStraightAfter(SubclassId painter, UINT message) noexcept {
    switch (message) {
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_STYLECHANGED:
        return true;
    default:
        break;
    }
    if (painter == SubclassId::ProgressPaint) {
        // WM_TIMER: a marquee moves on.
        return message == WM_TIMER || message == PBM_SETRANGE || message == PBM_SETPOS || message == PBM_DELTAPOS ||
               message == PBM_STEPIT || message == PBM_SETRANGE32 || message == PBM_SETMARQUEE ||
               message == PBM_SETSTATE;
    }
    if (painter == SubclassId::StatusBarPaint)
        return message == SB_SETTEXTW || message == SB_SETTEXTA || message == SB_SETPARTS || message == SB_SIMPLE;
    return false;
}

int partAt(SubclassId painter, HWND window, POINT point) {
    return painter == SubclassId::HeaderPaint ? headerItemAt(window, point) : tabAt(window, point);
}

// Paints over at once what the control has just drawn straight into its window in the
// stock look (hot tracking, focus, state changes), instead of at the next WM_PAINT.
void repaintNow(HWND window) {
    if (windowRegistry().updateDepth > 0) {
        InvalidateRect(window, nullptr, FALSE);
        return;
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void forgetHotPartOf(HWND window) {
    if (hotPart().window == window) setHotPart({});
}

LRESULT followMouse(HWND window, SubclassId painter, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = defaultSubclassProcessing(window, message, wParam, lParam);
    if (!drawingInForce()) return result;
    const HotPart before = hotPart();
    if (message == WM_MOUSEMOVE) {
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const HotPart now{window, partAt(painter, window, point)};
        if (before.window != window) {
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            if (before.window && IsWindow(before.window)) InvalidateRect(before.window, nullptr, FALSE);
        }
        if (before.window == now.window && before.part == now.part) return result;
        setHotPart(now);
    } else if (message == WM_MOUSELEAVE) {
        forgetHotPartOf(window);
    }
    repaintNow(window);
    return result;
}

} // namespace

std::optional<SubclassId> painterFor(ControlKind kind, LONG style) noexcept {
    switch (kind) {
    case ControlKind::Header: return SubclassId::HeaderPaint;
    case ControlKind::TabControl:
        if (style & TCS_VERTICAL) return std::nullopt;
        return SubclassId::TabPaint;
    case ControlKind::Progress: return SubclassId::ProgressPaint;
    case ControlKind::StatusBar: return SubclassId::StatusBarPaint;
    case ControlKind::ToolTip:
        if (style & TTS_BALLOON) return std::nullopt;
        return SubclassId::ToolTipPaint;
    case ControlKind::CheckOrRadio:
        if ((style & kButtonTypeMask) != BS_GROUPBOX) return std::nullopt;
        return SubclassId::GroupBoxPaint;
    default: return std::nullopt;
    }
}

bool installControlPainter(HWND window, ControlKind kind) {
    if (!window || !canSubclass()) return true;
    WindowMap<SubclassId>& painted = windowRegistry().paintedControls;
    if (painted.contains(window) || !IsWindow(window)) return true;
    const std::optional<SubclassId> painter = painterFor(kind, GetWindowLongW(window, GWL_STYLE));
    if (!painter) return true;
    if (!installSubclass(window, controlPainterProc, *painter)) return false;
    painted.set(window, *painter);
    pinModule();
    return true;
}

std::vector<HWND> removeControlPainters() {
    WindowMap<SubclassId>& painted = windowRegistry().paintedControls;
    const bool canRemove = systemFunctions().removeWindowSubclass != nullptr;
    std::vector<HWND> groupBoxes;
    painted.forEach([canRemove, &groupBoxes](HWND window, SubclassId painter) {
        if (!canRemove || !IsWindow(window)) return;
        removeSubclass(window, controlPainterProc, painter);
        InvalidateRect(window, nullptr, TRUE);
        if (painter == SubclassId::GroupBoxPaint) groupBoxes.push_back(window);
    });
    painted.clear();
    setHotPart({});
    return groupBoxes;
}

void uncoverGroupBoxes(const std::vector<HWND>& groupBoxes) {
    for (HWND box : groupBoxes) {
        if (!IsWindow(box) || !IsWindowVisible(box)) continue;
        if (HDC dc = GetDC(box)) {
            paintParentBehind(box, dc);
            ReleaseDC(box, dc);
        }
        // The members inside were painted over too.
        const HWND parent = GetParent(box);
        RECT area{};
        GetWindowRect(box, &area);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
        RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

LRESULT CALLBACK controlPainterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR subclassId,
                                    DWORD_PTR) {
    if (shuttingDown()) return defaultSubclassProcessing(window, message, wParam, lParam);
    const auto painter = static_cast<SubclassId>(subclassId);

    switch (message) {
    case WM_PAINT:
        if (!drawingInForce()) break;
        if (wParam) {
            // Common controls also take WM_PAINT with a DC to print into.
            drawWith(painter, window, reinterpret_cast<HDC>(wParam));
        } else {
            PAINTSTRUCT ps;
            if (HDC dc = BeginPaint(window, &ps)) drawWith(painter, window, dc);
            EndPaint(window, &ps);
        }
        return 0;
    case WM_PRINTCLIENT:
        if (drawingInForce() && wParam) {
            drawWith(painter, window, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (drawingInForce()) return 1;  // every painter covers all it owns
        break;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (tracksHotParts(painter)) return followMouse(window, painter, message, wParam, lParam);
        break;
    case WM_NCDESTROY:
        if (auto removeWindowSubclass = systemFunctions().removeWindowSubclass)
            removeWindowSubclass(window, controlPainterProc, subclassId);
        windowRegistry().paintedControls.erase(window);
        forgetHotPartOf(window);
        break;
    default:
        if (!g_drawing && drawingInForce() && drawsStraightAfter(painter, message)) {
            const unsigned paintsBefore = g_paints;
            const LRESULT result = defaultSubclassProcessing(window, message, wParam, lParam);
            // Repainted through this procedure already: nothing of the stock look is left.
            if (g_paints == paintsBefore) repaintNow(window);
            return result;
        }
        break;
    }
    return defaultSubclassProcessing(window, message, wParam, lParam);
}

} // namespace hueloom
