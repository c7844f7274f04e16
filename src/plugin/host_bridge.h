#pragma once
// The one place that crosses into the host: text conversion, parameters, variables,
// subroutines and [Skin.LastError]. Nothing else touches a host pointer or callback.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace hueloom {

// The host's callbacks, stored as they arrive. All use the Windows API convention; the
// variable reader may also be one that leaves its arguments on the stack.
using RegisterActionCallback = void(WINAPI*)(int32_t number, char* name, char* hint,
                                             unsigned char* types, int32_t zero, int32_t count);
using SetVariableCallback = void(WINAPI*)(char* name, char* value);
using GetVariableCallback = intptr_t(WINAPI*)(char* nameBuffer, char* valueBuffer);
using ScriptProcessorCallback = void(WINAPI*)(char* line);

// How the host's variable reader answers: it copies the value into the plug-in's buffer
// (or returns the address of its own text), or it stores the address of a GlobalAlloc text
// in the buffer's first pointer-sized bytes for the plug-in to free. A copied value shorter
// than a pointer can look like such an address, so the style is settled before the first
// read and such reads follow it.
enum class ReaderStyle { Unknown, Copies, StoresPointers };

struct HostCallbacks {
    RegisterActionCallback registerAction = nullptr;
    void* unusedValue = nullptr;
    GetVariableCallback getVariable = nullptr;
    SetVariableCallback setVariable = nullptr;
    ScriptProcessorCallback scriptProcessor = nullptr;
    // Exchange buffers for variable reads: allocated on the first read, kept for the life
    // of the process.
    char* nameBuffer = nullptr;
    char* valueBuffer = nullptr;
    ReaderStyle readerStyle = ReaderStyle::Unknown;  // forgotten when the host registers again
    uint32_t readSerial = 0;        // varies the guard bytes of each read
};

// The callbacks as the host gave them; the only copy in the process.
[[nodiscard]] HostCallbacks& hostCallbacks() noexcept;
// Process attach: no callbacks (the exchange buffers are kept).
void resetHostCallbacks() noexcept;

inline constexpr size_t kNameBufferSize = 260;
inline constexpr size_t kValueBufferSize = 4096;
inline constexpr size_t kMaxVariableNameChars = 255;

namespace HostBridge {

// A new GlobalAlloc block with the ANSI form in the system code page; null when it cannot
// be allocated. The host owns it.
[[nodiscard]] char* toHostText(std::wstring_view text);
// Reads a zero-terminated ANSI text, never past the end of the readable memory it starts in.
[[nodiscard]] std::wstring fromHostText(const char* text);
void writeOut(char** outPointer, std::wstring_view text);
[[nodiscard]] std::wstring getParam(void* params, int index);
// Stores a new block in the slot, freeing the block it held (the host reads the array
// afterwards and frees nothing of the old). False, with the slot as it was, when the new
// block cannot be allocated.
bool putParam(void* params, int index, std::wstring_view text);
// Stores a block made by toHostText in the slot, freeing the block it held.
void putParamBlock(void* params, int index, char* block);
// The host copies name and value; both blocks are freed once the callback returns. When
// they cannot be allocated the exchange buffers carry them instead. False when the value
// was not set for want of memory.
bool setVariable(std::wstring_view name, std::wstring_view value);
// As setVariable; when memory runs out even a text too long for the exchange buffer is set,
// cut to what fits, so that every action still answers.
void setLastError(std::wstring_view text);
// Allocates the exchange buffers now, while memory is plentiful (when the host registers).
void prepareExchangeBuffers();
[[nodiscard]] std::wstring getVariable(std::wstring_view name);
// A variable that no publication defines: reading it tells the reader's style, because a
// copying reader leaves nothing in the buffer for it while a storing one stores a text.
inline constexpr wchar_t kReaderProbeVariable[] = L"[Hueloom.ReaderStyleProbe]";
// False when the line could not be handed over (no memory for its text).
bool goSub(std::wstring_view line);

// The ANSI bytes of a variable name for the 260-byte buffer: at most 255 characters and,
// in multi-byte code pages, cut at a character boundary so name and terminator fit.
[[nodiscard]] std::string variableNameBytes(std::wstring_view name);
[[nodiscard]] std::string variableNameBytes(std::wstring_view name, UINT codePage);
// Number of readable bytes from `address` to the end of its readable region (0 when the
// memory is not committed, not readable or a guard page).
[[nodiscard]] size_t readableBytesAt(const void* address);

} // namespace HostBridge
} // namespace hueloom
