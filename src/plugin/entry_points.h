#pragma once
// The eight entry points the host finds by name. Exported through hueloom.def with one
// leading underscore and no argument-size decoration.
#include <windows.h>

#include <cstdint>

extern "C" {
int32_t WINAPI nbInitialize(HWND hostWindow);
int32_t WINAPI nbInitPlugIn(HWND hostWindow, char** title, char** publisher, char** hint);
int32_t WINAPI nbGetPluginInfo(char** title, char** description, void* unused);
int32_t WINAPI nbRegisterPlugIn(void* registerAction, void* unusedValue, void* getVariable,
                                void* setVariable);
int32_t WINAPI nbRegisterScriptProcessor(void* scriptProcessor);
int32_t WINAPI nbExecAction(int32_t action, void* params);
int32_t WINAPI nbEditAction(int32_t action, void* params);
int32_t WINAPI nbMessage(int32_t code, intptr_t unused);
}
