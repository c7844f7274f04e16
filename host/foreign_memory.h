#pragma once
// Reading what the plug-in hands over without trusting it: texts and arrays are read only
// as far as the memory they lie in is readable.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace standin {

// Bytes readable from the address onwards (across adjoining readable regions), 0 when none.
[[nodiscard]] size_t readableBytes(const void* address, size_t wanted) noexcept;

// A zero-terminated ANSI text of at most maxBytes bytes; empty when the pointer is null
// or the text is unreadable or has no terminator within reach.
[[nodiscard]] std::optional<std::string> copyForeignText(const char* text, size_t maxBytes);

// Frees a text block the plug-in gave to the host; false when it was not a GlobalAlloc block.
[[nodiscard]] bool freeHostOwnedBlock(void* block) noexcept;

// True for the first byte of an allocated block of the process heap (where GlobalAlloc
// puts fixed blocks); never reads memory that is not committed.
[[nodiscard]] bool isLiveHeapBlock(const void* address) noexcept;

// A fresh fixed, zero-filled GlobalAlloc block holding the text and its terminator.
[[nodiscard]] char* newTextBlock(std::string_view text) noexcept;

[[nodiscard]] std::wstring widen(std::string_view ansi);
[[nodiscard]] std::string narrow(std::wstring_view wide);

}  // namespace standin
