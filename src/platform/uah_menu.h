#pragma once
// The undocumented messages in which the system asks a window with visual styles to draw
// its menu bar (DefWindowProc draws the stock bar), and what they carry. Layouts as the
// system passes them; nothing here is called.
#include <windows.h>

namespace hueloom {

inline constexpr UINT kUahDrawMenu = 0x0091;      // lParam: UahMenu*, the bar's background
inline constexpr UINT kUahDrawMenuItem = 0x0092;  // lParam: UahDrawMenuItem*, one item

struct UahMenu {
    HMENU menu;
    HDC dc;
    DWORD flags;
};

// Sizes the system measured for the item; a union of two bar and four popup sizes.
struct UahMenuItemMetrics {
    DWORD sizes[8];
};

struct UahMenuPopupMetrics {
    DWORD widths[4];
    DWORD updateMaxWidths;  // two bits used
};

struct UahMenuItem {
    int position;  // of the item in the bar, from 0
    UahMenuItemMetrics metrics;
    UahMenuPopupMetrics popupMetrics;
};

struct UahDrawMenuItem {
    DRAWITEMSTRUCT item;  // rcItem in the DC's coordinates, itemState in ODS_* flags
    UahMenu menu;
    UahMenuItem menuItem;
};

} // namespace hueloom
