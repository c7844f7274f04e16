#pragma once
// The plug-in's side of the contract, declared from the host's side: the eight exports and
// the four callbacks the host hands over. All use the Windows API convention; every
// argument is one machine word on the 32-bit build.
#include <windows.h>

#include <array>
#include <cstdint>

namespace standin {

using InitializeEntry = int32_t(WINAPI*)(HWND hostWindow);
using InitPlugInEntry = int32_t(WINAPI*)(HWND hostWindow, char** title, char** publisher, char** hint);
using GetPluginInfoEntry = int32_t(WINAPI*)(char** title, char** description, intptr_t unused);
using RegisterPlugInEntry = int32_t(WINAPI*)(void* registerAction, intptr_t value, void* getVariable,
                                             void* setVariable);
using RegisterScriptProcessorEntry = int32_t(WINAPI*)(void* scriptProcessor);
using ExecActionEntry = int32_t(WINAPI*)(int32_t action, char** params);
using EditActionEntry = int32_t(WINAPI*)(int32_t action, char** params);
using MessageEntry = int32_t(WINAPI*)(int32_t code, intptr_t unused);

struct EntryPoints {
    InitializeEntry initialize = nullptr;
    InitPlugInEntry initPlugIn = nullptr;
    GetPluginInfoEntry getPluginInfo = nullptr;
    RegisterPlugInEntry registerPlugIn = nullptr;
    RegisterScriptProcessorEntry registerScriptProcessor = nullptr;
    ExecActionEntry execAction = nullptr;
    EditActionEntry editAction = nullptr;
    MessageEntry message = nullptr;
};

// Export names in the order of the EntryPoints fields.
inline constexpr std::array<const char*, 8> kExportNames = {
    "_nbInitialize", "_nbInitPlugIn", "_nbGetPluginInfo", "_nbRegisterPlugIn", "_nbRegisterScriptProcessor",
    "_nbExecAction", "_nbEditAction", "_nbMessage"};

// The value the host passes as the second argument of nbRegisterPlugIn; the plug-in
// ignores it.
inline constexpr intptr_t kRegisterValue = 0x4E42;

// Host messages.
inline constexpr int32_t kMessagePublicationStarts = 1;
inline constexpr int32_t kMessagePublicationCloses = 2;
// Sent before another page is shown, while that page's windows may not exist yet.
inline constexpr int32_t kMessagePageChanging = 6;

}  // namespace standin
