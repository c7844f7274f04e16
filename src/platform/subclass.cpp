#include "platform/subclass.h"

#include "platform/module_pin.h"
#include "platform/system_functions.h"

namespace hueloom {

bool installSubclass(HWND window, SUBCLASSPROC procedure, SubclassId id) {
    auto setWindowSubclass = systemFunctions().setWindowSubclass;
    return setWindowSubclass && setWindowSubclass(window, procedure, idOf(id), 0);
}

void removeSubclass(HWND window, SUBCLASSPROC procedure, SubclassId id) {
    if (auto removeWindowSubclass = systemFunctions().removeWindowSubclass)
        removeWindowSubclass(window, procedure, idOf(id));
}

bool installRecordedSubclass(WindowSet& installed, HWND window, SUBCLASSPROC procedure, SubclassId id) {
    if (!window || !canSubclass() || installed.contains(window) || !IsWindow(window)) return true;
    if (!installSubclass(window, procedure, id)) return false;
    installed.insert(window);
    pinModule();
    return true;
}

bool canSubclass() noexcept { return systemFunctions().setWindowSubclass != nullptr; }

LRESULT defaultSubclassProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto defSubclassProc = systemFunctions().defSubclassProc) {
        return defSubclassProc(window, message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace hueloom
