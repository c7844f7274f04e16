#include "editors/editor_choices.h"

#include "common/text.h"

namespace hueloom {

Mode preselectedMode(std::wstring_view parameter) {
    if (trimmed(parameter).empty()) return Mode::Dark;
    return readModeWord(parameter, ModeWords::Script).value_or(Mode::Dark);
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
