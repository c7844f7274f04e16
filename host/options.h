#pragma once
// The host's command line. Pure: no window or system calls.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

// How the variable-reading callback answers the plug-in.
enum class ReaderStyle {
    Sdk,      // as the host maker's SDK declares it, "procedure(name; var value: PAnsiChar)":
              // stores the address of a fresh GlobalAlloc text in the buffer's first
              // pointer-sized bytes (freeing what non-null pointer was there) for the
              // plug-in to free; its result register means nothing
    Copy,     // copies the value into the plug-in's buffer, returns 0
    Address,  // leaves the buffer alone, returns the address of the host's copy
    Cdecl,    // the copy style, but leaves its two arguments on the stack (32-bit)
};

[[nodiscard]] const char* readerName(ReaderStyle style) noexcept;
// "sdk", "copy", "address" or "cdecl".
[[nodiscard]] std::optional<ReaderStyle> readerNamed(std::wstring_view name) noexcept;

struct Options {
    std::wstring pluginPath;
    ReaderStyle reader = ReaderStyle::Sdk;
    // The whole list of scripts runs once per reader, in this order; the first is `reader`.
    std::vector<ReaderStyle> readerPasses{ReaderStyle::Sdk};
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
