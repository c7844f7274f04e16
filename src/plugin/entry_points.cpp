#include "plugin/entry_points.h"

#include "common/version.h"
#include "engine/host_window.h"
#include "platform/process_lifetime.h"
#include "plugin/dispatch.h"
#include "plugin/host_bridge.h"
#include "plugin/lifecycle.h"

using namespace hueloom;

namespace {

constexpr wchar_t kTitle[] = L"Hueloom";
constexpr wchar_t kPublisher[] = L"The Hueloom developers";
constexpr wchar_t kHint[] =
    L"Color themes with a Dark/Light base for VisualNEO applications (v" HUELOOM_VERSION_TEXT ")";
constexpr wchar_t kDescription[] =
    L"Dark/Light mode, control colors, title bar colors and .ini skins for VisualNEO Win";

// Nothing may leave the plug-in as a C++ exception: the host cannot catch it.
template <class Body>
int32_t guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return 0;
    }
}

} // namespace

extern "C" {

int32_t WINAPI nbInitialize(HWND hostWindow) {
    setHostWindow(hostWindow);
    return 0;
}

int32_t WINAPI nbInitPlugIn(HWND hostWindow, char** title, char** publisher, char** hint) {
    return guarded([&] {
        setHostWindow(hostWindow);
        HostBridge::writeOut(title, kTitle);
        HostBridge::writeOut(publisher, kPublisher);
        HostBridge::writeOut(hint, kHint);
        return 0;
    });
}

int32_t WINAPI nbGetPluginInfo(char** title, char** description, void*) {
    return guarded([&] {
        HostBridge::writeOut(title, kTitle);
        HostBridge::writeOut(description, kDescription);
        return 0;
    });
}

int32_t WINAPI nbRegisterPlugIn(void* registerAction, void* unusedValue, void* getVariable,
                                void* setVariable) {
    return guarded([&] {
        HostCallbacks& host = hostCallbacks();
        host.registerAction = reinterpret_cast<RegisterActionCallback>(registerAction);
        host.unusedValue = unusedValue;
        host.getVariable = reinterpret_cast<GetVariableCallback>(getVariable);
        host.setVariable = reinterpret_cast<SetVariableCallback>(setVariable);
        host.readerStyle = ReaderStyle::Unknown;  // a new reader may answer in another style
        HostBridge::prepareExchangeBuffers();
        if (host.registerAction) registerActions();
        return 0;
    });
}

int32_t WINAPI nbRegisterScriptProcessor(void* scriptProcessor) {
    hostCallbacks().scriptProcessor = reinterpret_cast<ScriptProcessorCallback>(scriptProcessor);
    return 0;
}

int32_t WINAPI nbExecAction(int32_t action, void* params) {
    if (shuttingDown()) return 0;
    return guarded([&] { return executeAction(action, params); });
}

int32_t WINAPI nbEditAction(int32_t action, void* params) {
    if (shuttingDown()) return 0;
    return guarded([&] { return editAction(action, params); });
}

int32_t WINAPI nbMessage(int32_t code, intptr_t) {
    guarded([&] {
        handleHostMessage(code);
        return 0;
    });
    return 0;
}

} // extern "C"
