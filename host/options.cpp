#include "options.h"

#include <algorithm>
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
        case ReaderStyle::Sdk:
            return "sdk";
        case ReaderStyle::Copy:
            return "copy";
        case ReaderStyle::Address:
            return "address";
        case ReaderStyle::Cdecl:
            return "cdecl";
    }
    return "sdk";
}

std::optional<ReaderStyle> readerNamed(std::wstring_view name) noexcept {
    for (ReaderStyle style : {ReaderStyle::Sdk, ReaderStyle::Copy, ReaderStyle::Address, ReaderStyle::Cdecl}) {
        const std::string_view known = readerName(style);
        if (name.size() == known.size() && std::equal(name.begin(), name.end(), known.begin()))
            return style;
    }
    return std::nullopt;
}

// "sdk,copy": one pass per name, in order.
std::optional<std::vector<ReaderStyle>> readerList(const std::wstring& text) {
    std::vector<ReaderStyle> passes;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = text.find(L',', start);
        const size_t end = comma == std::wstring::npos ? text.size() : comma;
        const auto style = readerNamed(std::wstring_view(text).substr(start, end - start));
        if (!style) return std::nullopt;
        passes.push_back(*style);
        if (comma == std::wstring::npos) break;
        start = comma + 1;
    }
    return passes;
}

const char* usageText() noexcept {
    return "usage: standin_host --plugin PATH [--reader sdk|copy|address|cdecl[,...]] [--shots DIR] "
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
            } else if (const auto passes = readerList(value)) {
                options.readerPasses = *passes;
                options.reader = passes->front();
            } else {
                parsed.error = "--reader takes sdk, copy, address or cdecl, or several separated by commas";
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
