#include "options.h"

#include <optional>

namespace standin {

namespace {

std::optional<unsigned> parseSeconds(const std::wstring& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    unsigned value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - L'0');
    }
    if (value > 86400) return std::nullopt;
    return value;
}

}  // namespace

const char* readerName(ReaderStyle style) noexcept {
    switch (style) {
        case ReaderStyle::Copy:
            return "copy";
        case ReaderStyle::Address:
            return "address";
        case ReaderStyle::Cdecl:
            return "cdecl";
    }
    return "copy";
}

const char* usageText() noexcept {
    return "usage: standin_host --plugin PATH [--reader copy|address|cdecl] [--shots DIR] "
           "[--hang-limit SECONDS] SCRIPT...";
}

ParsedOptions parseOptions(const std::vector<std::wstring>& arguments) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == L"--help" || argument == L"-h") {
            parsed.helpWanted = true;
        } else if (argument == L"--plugin" || argument == L"--reader" || argument == L"--shots" ||
                   argument == L"--hang-limit") {
            if (!hasValue) {
                parsed.error = "missing value after an option";
                return parsed;
            }
            const std::wstring& value = arguments[++i];
            if (argument == L"--plugin") {
                options.pluginPath = value;
            } else if (argument == L"--hang-limit") {
                const auto seconds = parseSeconds(value);
                if (!seconds) {
                    parsed.error = "--hang-limit takes whole seconds from 0 to 86400";
                    return parsed;
                }
                options.hangLimitSeconds = *seconds;
            } else if (argument == L"--shots") {
                options.shotsFolder = value;
            } else if (value == L"copy") {
                options.reader = ReaderStyle::Copy;
            } else if (value == L"address") {
                options.reader = ReaderStyle::Address;
            } else if (value == L"cdecl") {
                options.reader = ReaderStyle::Cdecl;
            } else {
                parsed.error = "--reader takes copy, address or cdecl";
                return parsed;
            }
        } else if (argument.size() > 1 && argument[0] == L'-' && argument[1] == L'-') {
            parsed.error = "unknown option";
            return parsed;
        } else {
            options.scripts.push_back(argument);
        }
    }
    if (!parsed.helpWanted && options.pluginPath.empty()) parsed.error = "--plugin PATH is required";
    return parsed;
}

}  // namespace standin
