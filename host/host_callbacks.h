#pragma once
// The four callbacks the host hands to the plug-in. They reach the host through session()
// because the plug-in passes no context; none of them lets an exception out.
#include <windows.h>

#include <cstdint>
#include <string>

#include "options.h"

namespace standin {

inline constexpr size_t kNameBufferSize = 260;
inline constexpr size_t kValueBufferSize = 4096;

int32_t WINAPI registerActionCallback(int32_t number, char* name, char* hint, unsigned char* types,
                                      int32_t fifth, int32_t count) noexcept;
int32_t WINAPI setVariableCallback(char* name, char* value) noexcept;
int32_t WINAPI scriptProcessorCallback(char* line) noexcept;

// The variable readers, one per ReaderStyle.
intptr_t WINAPI readVariableStoring(char* nameBuffer, char* valueBuffer) noexcept;
intptr_t WINAPI readVariableCopying(char* nameBuffer, char* valueBuffer) noexcept;
intptr_t WINAPI readVariableByAddress(char* nameBuffer, char* valueBuffer) noexcept;
// The copying reader with the C convention: its two arguments stay on the stack.
intptr_t __cdecl readVariableCdecl(char* nameBuffer, char* valueBuffer) noexcept;

[[nodiscard]] void* variableReaderFor(ReaderStyle style) noexcept;

struct HostSession;

// The host's side of start-up: nbInitialize, nbInitPlugIn, nbGetPluginInfo,
// nbRegisterPlugIn and nbRegisterScriptProcessor, in that order, recording what comes back.
void introducePlugin(HWND hostWindow);

// Hands the plug-in another variable reader by registering again, with a null registration
// callback so that the actions are not registered a second time; a freed plug-in gets it
// when it is loaded again.
void useReader(HostSession& state, ReaderStyle style);

// Loads the plug-in named on the command line and introduces it, with a fresh record;
// gives an empty text on success, else why it could not be loaded.
[[nodiscard]] std::string startPlugin(HostSession& state);

}  // namespace standin
