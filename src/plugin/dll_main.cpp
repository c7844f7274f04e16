// Process attach and detach of Hueloom.dll. Only what the loader lock allows happens here:
// no window, no host call, no COM or common-control set-up (the editors do that lazily).
#include <windows.h>

#include "plugin/lifecycle.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(instance);
        hueloom::pluginStartup();
        break;
    case DLL_PROCESS_DETACH:
        hueloom::pluginTeardown();
        break;
    default:
        break;
    }
    return TRUE;
}
