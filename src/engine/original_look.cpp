#include "engine/original_look.h"

#include "engine/registry.h"

namespace hueloom {

OriginalLook& originalLookOf(HWND window, ControlKind kind) {
    WindowMap<OriginalLook>& looks = windowRegistry().originalLooks;
    if (OriginalLook* look = looks.find(window)) return *look;
    OriginalLook fresh;
    fresh.kind = kind;
    return looks.set(window, fresh);
}

const OriginalLook* findOriginalLook(HWND window) { return windowRegistry().originalLooks.find(window); }

void forgetOriginalLooks() { windowRegistry().originalLooks.clear(); }

} // namespace hueloom
