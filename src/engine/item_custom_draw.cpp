#include "engine/item_custom_draw.h"

#include "paint/control_geometry.h"
#include "paint/surface_colors.h"
#include "paint/tree_button_painter.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr UINT kSelectionStates = CDIS_SELECTED | CDIS_HOT;

// Takes the item colours for a selected or hot item. The state bits are cleared so that
// the control does not lay its own highlight (or its visual style's) over them.
void colorItem(NMCUSTOMDRAW& item, bool selected, COLORREF& text, COLORREF& textBack) {
    const ThemeState& theme = currentTheme();
    const bool hot = (item.uItemState & CDIS_HOT) != 0;
    if (!selected && !hot) return;
    const ItemColors colors = selected ? selectedItemColors(theme) : hotItemColors(theme);
    text = colors.text;
    textBack = colors.back;
    item.uItemState &= ~kSelectionStates;
}

bool hasChildren(HWND tree, HTREEITEM item, bool& expanded) {
    TVITEMW info{};
    info.mask = TVIF_CHILDREN | TVIF_STATE | TVIF_HANDLE;
    info.hItem = item;
    info.stateMask = TVIS_EXPANDED;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info))) return false;
    expanded = (info.state & TVIS_EXPANDED) != 0;
    return info.cChildren != 0;
}

// Whether the item shows an expand button, which the plug-in draws after the item.
bool showsButton(const NMTVCUSTOMDRAW& draw, bool& expanded) {
    const HWND tree = draw.nmcd.hdr.hwndFrom;
    const LONG style = GetWindowLongW(tree, GWL_STYLE);
    if (!(style & TVS_HASBUTTONS)) return false;
    if (draw.iLevel == 0 && !(style & TVS_LINESATROOT)) return false;  // root items have none then
    return hasChildren(tree, reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec), expanded);
}

void drawTreeButton(const NMTVCUSTOMDRAW& draw) {
    bool expanded = false;
    if (!showsButton(draw, expanded)) return;
    const HWND tree = draw.nmcd.hdr.hwndFrom;
    const bool linesAtRoot = (GetWindowLongW(tree, GWL_STYLE) & TVS_LINESATROOT) != 0;
    const auto indent = static_cast<int>(SendMessageW(tree, TVM_GETINDENT, 0, 0));
    const POINT centre = treeButtonCentre(draw.iLevel, indent, draw.nmcd.rc.top, draw.nmcd.rc.bottom,
                                          GetScrollPos(tree, SB_HORZ), linesAtRoot);
    paintTreeButton(draw.nmcd.hdc, treeButtonBox(centre, dcDpi(draw.nmcd.hdc)), expanded,
                    controlSurface(currentTheme()));
}

} // namespace

LRESULT listViewCustomDraw(NMLVCUSTOMDRAW* draw) {
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
        const HWND list = draw->nmcd.hdr.hwndFrom;
        const auto index = static_cast<WPARAM>(draw->nmcd.dwItemSpec);
        const bool selected = (SendMessageW(list, LVM_GETITEMSTATE, index, LVIS_SELECTED) & LVIS_SELECTED) != 0;
        colorItem(draw->nmcd, selected, draw->clrText, draw->clrTextBk);
        return CDRF_NEWFONT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

LRESULT treeViewCustomDraw(NMTVCUSTOMDRAW* draw) {
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
        const HWND tree = draw->nmcd.hdr.hwndFrom;
        const auto item = static_cast<LPARAM>(draw->nmcd.dwItemSpec);
        const bool selected =
            (SendMessageW(tree, TVM_GETITEMSTATE, static_cast<WPARAM>(item), TVIS_SELECTED) & TVIS_SELECTED) != 0;
        colorItem(draw->nmcd, selected, draw->clrText, draw->clrTextBk);
        // Only items with a button are asked back after their paint: each notification
        // passes the parent's subclass.
        bool expanded = false;
        return showsButton(*draw, expanded) ? CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT : CDRF_NEWFONT;
    }
    case CDDS_ITEMPOSTPAINT:
        drawTreeButton(*draw);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

} // namespace hueloom
