#include "editors/editor_choices.h"

#include "common/text.h"

namespace hueloom {

EditorMode preselectedMode(std::wstring_view parameter) {
    const std::wstring word = normalizedWord(parameter);
    if (word == L"light") return EditorMode::Light;
    if (word == L"system") return EditorMode::System;
    return EditorMode::Dark;
}

const wchar_t* modeWord(EditorMode mode) noexcept {
    switch (mode) {
    case EditorMode::Light: return L"Light";
    case EditorMode::System: return L"System";
    case EditorMode::Dark: break;
    }
    return L"Dark";
}

Color startingColor(std::wstring_view parameter, int position) noexcept {
    const ParsedColor parsed = parseColor(parameter);
    if (parsed.ok) return parsed.color;
    return position == 2 ? makeColor(240, 240, 240) : makeColor(32, 32, 32);
}

std::wstring openFileFilter(std::wstring_view pipeSeparated) {
    std::wstring filter(pipeSeparated);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    // One terminator after the last pattern and one more to end the list; the string's
    // own terminator would not count as part of the data.
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

} // namespace hueloom
