#pragma once
// Turns fuzzer bytes into wide text: pairs of bytes as UTF-16 code units, so every
// character the plug-in could meet (tabs, surrogates, characters outside ASCII) occurs.
#include <cstddef>
#include <cstdint>
#include <string>

inline std::wstring wideFromFuzzBytes(const uint8_t* data, size_t size) {
    std::wstring text;
    text.reserve(size / 2);
    for (size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    return text;
}

// Same bytes as one character each: dense in ASCII, where the grammar lives.
inline std::wstring narrowFromFuzzBytes(const uint8_t* data, size_t size) {
    std::wstring text;
    text.reserve(size);
    for (size_t i = 0; i < size; ++i) text.push_back(static_cast<wchar_t>(data[i]));
    return text;
}

#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            __builtin_printf("property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            __builtin_trap();                                                        \
        }                                                                            \
    } while (0)
