#include "engine/color_subclass.h"

#include "engine/control_kind.h"
#include "engine/item_custom_draw.h"
#include "engine/registry.h"
#include "paint/paint_styles.h"
#include "paint/theme_brushes.h"
#include "paint/track_painter.h"
#include "platform/process_lifetime.h"
#include "platform/subclass.h"
#include "platform/system_functions.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kChannelHalfThickness = 2;  // a 4-pixel bar, not scaled

[[nodiscard]] const ControlKind* registeredKind(HWND window) {
    return windowRegistry().themedControls.find(window);
}

[[nodiscard]] bool isKind(const ControlKind* kind, ControlKind expected) { return kind && *kind == expected; }

// The reply to WM_CTLCOLOR*: text and background on the control's DC and a theme brush.
// Returns 0 when the message is left to default processing.
LRESULT answerColorMessage(HWND window, UINT message, HDC dc, HWND control) {
    const ThemeState& theme = currentTheme();
    const ThemeBrushes& brushes = themeBrushes();
    if (!theme.active || !brushes.control || shuttingDown()) return 0;

    ControlKind kind;
    if (const ControlKind* registered = registeredKind(control)) {
        kind = *registered;
    } else if (isKind(registeredKind(window), ControlKind::ComboBox)) {
        kind = ControlKind::ListBox;  // the parts of a combo box that no pass registers
    } else {
        return 0;
    }

    const bool editLike = kind == ControlKind::Edit || kind == ControlKind::RichEdit;
    const bool onPage = (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) && !editLike;
    SetTextColor(dc, theme.controlText);
    if (onPage) {
        SetBkColor(dc, theme.pageBack);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(brushes.page);
    }
    SetBkColor(dc, theme.controlBack);
    return reinterpret_cast<LRESULT>(brushes.control);
}

TrackState trackState(HWND trackBar, UINT itemState) {
    TrackState state;
    state.pressed = (itemState & CDIS_SELECTED) != 0;
    state.hot = (itemState & CDIS_HOT) != 0;
    state.enabled = IsWindowEnabled(trackBar) != FALSE;
    return state;
}

LRESULT drawTrackBarChannel(HDC dc, HWND trackBar, RECT bar, bool vertical) {
    if (vertical) {
        const int centre = (bar.left + bar.right) / 2;
        bar.left = centre - kChannelHalfThickness;
        bar.right = centre + kChannelHalfThickness;
    } else {
        const int centre = (bar.top + bar.bottom) / 2;
        bar.top = centre - kChannelHalfThickness;
        bar.bottom = centre + kChannelHalfThickness;
    }
    RECT thumb{};
    SendMessageW(trackBar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    RECT filled = bar;
    if (vertical) filled.top = (thumb.top + thumb.bottom) / 2;  // from the thumb down
    else filled.right = (thumb.left + thumb.right) / 2;         // from the left end to the thumb

    const ThemeState& theme = currentTheme();
    paintTrackChannel(dc, bar, filled, trackState(trackBar, 0), theme, trackBarStyle(theme));
    return CDRF_SKIPDEFAULT;
}

LRESULT drawTrackBarThumb(HDC dc, HWND trackBar, const RECT& area, UINT itemState) {
    FillRect(dc, &area, themeBrushes().page);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int radius = (width < height ? width : height) / 2;
    const int cx = (area.left + area.right) / 2;
    const int cy = (area.top + area.bottom) / 2;
    const ThemeState& theme = currentTheme();
    paintTrackThumb(dc, {cx - radius, cy - radius, cx + radius, cy + radius}, trackState(trackBar, itemState),
                    theme, trackBarStyle(theme));
    return CDRF_SKIPDEFAULT;
}

} // namespace

LRESULT drawTrackBar(NMCUSTOMDRAW* cd) {
    if (cd->dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (cd->dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;

    const HDC dc = cd->hdc;
    const HWND trackBar = cd->hdr.hwndFrom;
    const bool vertical = (GetWindowLongW(trackBar, GWL_STYLE) & TBS_VERT) != 0;
    switch (cd->dwItemSpec) {
    case TBCD_TICS:
        return CDRF_SKIPDEFAULT;  // tick marks are never drawn
    case TBCD_CHANNEL:
        return drawTrackBarChannel(dc, trackBar, cd->rc, vertical);
    case TBCD_THUMB:
        return drawTrackBarThumb(dc, trackBar, cd->rc, cd->uItemState);
    default:
        return CDRF_DODEFAULT;
    }
}

LRESULT CALLBACK colorSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR) {
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        if (const LRESULT brush = answerColorMessage(window, message, reinterpret_cast<HDC>(wParam),
                                                     reinterpret_cast<HWND>(lParam))) {
            return brush;
        }
        break;
    case WM_NOTIFY: {
        const ThemeState& theme = currentTheme();
        if (!theme.active || shuttingDown() || lParam == 0) break;
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code != static_cast<UINT>(NM_CUSTOMDRAW)) break;
        const ControlKind* kind = registeredKind(header->hwndFrom);
        if (theme.glyphs && isKind(kind, ControlKind::TrackBar))
            return drawTrackBar(reinterpret_cast<NMCUSTOMDRAW*>(lParam));
        if (isKind(kind, ControlKind::ListView) && themeBrushes().control)
            return listViewCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
        if (isKind(kind, ControlKind::TreeView) && themeBrushes().control)
            return treeViewCustomDraw(reinterpret_cast<NMTVCUSTOMDRAW*>(lParam));
        break;
    }
    case WM_NCDESTROY:
        if (auto removeWindowSubclass = systemFunctions().removeWindowSubclass) {
            removeWindowSubclass(window, colorSubclassProc, subclassId);
        }
        windowRegistry().colorSubclassed.erase(window);
        break;
    default:
        break;
    }
    return defaultSubclassProcessing(window, message, wParam, lParam);
}

} // namespace hueloom
