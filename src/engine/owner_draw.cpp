// Items an owner draws (header items, tabs, status-bar parts), asked for as the system asks.
#include "engine/drawn_controls.h"

namespace hueloom {

void askOwnerToDraw(HWND control, HDC dc, UINT type, int item, const RECT& rect, ULONG_PTR data, bool selected) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = type;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
    draw.itemID = static_cast<UINT>(item);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = selected ? ODS_SELECTED : 0;
    draw.hwndItem = control;
    draw.hDC = dc;
    draw.rcItem = rect;
    draw.itemData = data;
    SendMessageW(GetParent(control), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
}

} // namespace hueloom
