#include "theme/mode.h"

#include <string>

#include "common/text.h"

namespace hueloom {

std::optional<Mode> readModeWord(std::wstring_view word, ModeWords words) {
    const std::wstring m = normalizedWord(word);
    if (m == L"light") return Mode::Light;
    if (m == L"system" || m == L"default" || m == L"none") return Mode::System;
    if (words == ModeWords::Skin) return Mode::Dark;
    if (m == L"dark" || m == L"1") return Mode::Dark;
    if (m == L"2") return Mode::Light;
    if (m.empty() || m == L"0") return Mode::System;
    return std::nullopt;
}

bool isAutoModeWord(std::wstring_view word) { return normalizedWord(word) == L"auto"; }

const wchar_t* modeName(Mode mode) noexcept {
    switch (mode) {
    case Mode::Dark: return L"Dark";
    case Mode::Light: return L"Light";
    case Mode::System: break;
    }
    return L"System";
}

} // namespace hueloom
