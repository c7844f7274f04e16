#pragma once
// The diagnostic list of the host window's descendants.
#include <cstdint>
#include <string>

namespace hueloom {

struct WindowList {
    // "Top HANDLE|" then one "HANDLE class kind=N vis=S/V ex=$HEX rc=X,Y,WxH 'caption'|" per
    // window; overlays also show " ctrl=OBJECT" before the caption.
    std::wstring text;
    int64_t count = 0;  // the windows listed
};

[[nodiscard]] WindowList listWindows();

} // namespace hueloom
