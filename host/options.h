#pragma once
// The host's command line. Pure: no window or system calls.
#include <string>
#include <vector>

namespace standin {

// How the variable-reading callback answers the plug-in.
enum class ReaderStyle {
    Copy,     // copies the value into the plug-in's buffer, returns 0
    Address,  // leaves the buffer alone, returns the address of the host's copy
    Cdecl,    // the copy style, but leaves its two arguments on the stack (32-bit)
};

[[nodiscard]] const char* readerName(ReaderStyle style) noexcept;

struct Options {
    std::wstring pluginPath;
    ReaderStyle reader = ReaderStyle::Copy;
    std::wstring shotsFolder = L".";
    unsigned hangLimitSeconds = 300;  // 0: no watch
    std::vector<std::wstring> scripts;
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line is usable
    bool helpWanted = false;
};

[[nodiscard]] ParsedOptions parseOptions(const std::vector<std::wstring>& arguments);

[[nodiscard]] const char* usageText() noexcept;

}  // namespace standin
