#include "engine/color_subclass.h"

#include "engine/control_kind.h"
#include "platform/gdi.h"
#include "plugin/process_state.h"
#include "theme/color.h"

namespace hueloom {

namespace {

constexpr int kChannelHalfThickness = 2;  // a 4-pixel bar, not scaled
constexpr int kChannelCorner = 4;
constexpr int32_t kPressedShadePercent = 20;
constexpr int32_t kHotLightPercent = 25;
constexpr int32_t kThumbOutlinePercent = 15;

[[nodiscard]] const int32_t* registeredKind(HWND window) {
    return process().windows.themedControls.find(window);
}

[[nodiscard]] bool isKind(const int32_t* kind, ControlKind expected) {
    return kind && *kind == static_cast<int32_t>(expected);
}

// The reply to WM_CTLCOLOR*: text and background on the control's DC and a theme brush.
// Returns 0 when the message is left to default processing.
LRESULT answerColorMessage(HWND window, UINT message, HDC dc, HWND control) {
    const ProcessState& state = process();
    const ThemeState& theme = state.theme;
    if (!theme.active || !theme.controlBrush || state.shuttingDown) return 0;

    ControlKind kind;
    if (const int32_t* registered = registeredKind(control)) {
        kind = static_cast<ControlKind>(*registered);
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
        return reinterpret_cast<LRESULT>(theme.pageBrush);
    }
    SetBkColor(dc, theme.controlBack);
    return reinterpret_cast<LRESULT>(theme.controlBrush);
}

void drawRoundBar(HDC dc, const RECT& bar, Color color) {
    const Brush brush = solidBrush(color);
    const Pen pen = solidPen(color);
    const SelectGuard brushGuard(dc, brush.get());
    const SelectGuard penGuard(dc, pen.get());
    RoundRect(dc, bar.left, bar.top, bar.right, bar.bottom, kChannelCorner, kChannelCorner);
}

LRESULT drawTrackBarChannel(HDC dc, HWND trackBar, RECT bar, bool vertical) {
    const ThemeState& theme = process().theme;
    if (vertical) {
        const int centre = (bar.left + bar.right) / 2;
        bar.left = centre - kChannelHalfThickness;
        bar.right = centre + kChannelHalfThickness;
    } else {
        const int centre = (bar.top + bar.bottom) / 2;
        bar.top = centre - kChannelHalfThickness;
        bar.bottom = centre + kChannelHalfThickness;
    }
    drawRoundBar(dc, bar, contrastShade(theme.pageBack));

    RECT thumb{};
    SendMessageW(trackBar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    RECT filled = bar;
    if (vertical) filled.top = (thumb.top + thumb.bottom) / 2;  // from the thumb down
    else filled.right = (thumb.left + thumb.right) / 2;         // from the left end to the thumb
    if (filled.right > filled.left && filled.bottom > filled.top) drawRoundBar(dc, filled, theme.accent);
    return CDRF_SKIPDEFAULT;
}

LRESULT drawTrackBarThumb(HDC dc, HWND trackBar, const RECT& area, UINT itemState) {
    const ThemeState& theme = process().theme;
    Color color = theme.accent;
    if (itemState & CDIS_SELECTED) color = blendColors(theme.accent, kBlack, kPressedShadePercent);
    else if (itemState & CDIS_HOT) color = blendColors(theme.accent, kWhite, kHotLightPercent);
    if (!IsWindowEnabled(trackBar)) color = blendColors(theme.pageBack, theme.controlText, kDisabledBlendPercent);

    FillRect(dc, &area, theme.pageBrush);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int radius = (width < height ? width : height) / 2;
    const int cx = (area.left + area.right) / 2;
    const int cy = (area.top + area.bottom) / 2;

    const Brush brush = solidBrush(color);
    const Pen pen = solidPen(blendColors(color, kBlack, kThumbOutlinePercent));
    const SelectGuard brushGuard(dc, brush.get());
    const SelectGuard penGuard(dc, pen.get());
    Ellipse(dc, cx - radius, cy - radius, cx + radius, cy + radius);
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
    ProcessState& state = process();
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
        const ThemeState& theme = state.theme;
        if (!theme.glyphs || !theme.active || state.shuttingDown || lParam == 0) break;
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == static_cast<UINT>(NM_CUSTOMDRAW) &&
            isKind(registeredKind(header->hwndFrom), ControlKind::TrackBar)) {
            return drawTrackBar(reinterpret_cast<NMCUSTOMDRAW*>(lParam));
        }
        break;
    }
    case WM_NCDESTROY:
        if (auto removeWindowSubclass = state.system.removeWindowSubclass) {
            removeWindowSubclass(window, colorSubclassProc, subclassId);
        }
        state.windows.colorSubclassed.erase(window);
        break;
    default:
        break;
    }
    return defaultSubclassProcessing(window, message, wParam, lParam);
}

} // namespace hueloom
