#pragma once
// The messages after which a Button-class control has drawn itself straight into its
// window, in the stock look, without a WM_PAINT: a look of the plug-in's own must be painted
// over them.
#include <windows.h>

namespace hueloom {

[[nodiscard]] constexpr bool buttonDrawsItselfOn(UINT message) noexcept {
    switch (message) {
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
        return true;
    default:
        return false;
    }
}

} // namespace hueloom
