#include "skin_check/key_checks.h"

#include <algorithm>
#include <optional>

#include "common/text.h"
#include "skin_check/color_text.h"
#include "theme/palette.h"

namespace hueloom::skincheck {

namespace {

constexpr std::wstring_view kThemeKeys[] = {L"Name",     L"Mode",      L"ControlBack", L"ControlText", L"PageBack",
                                            L"TitleBar", L"TitleText", L"ArticleText", L"Glyphs",      L"Accent"};
constexpr std::wstring_view kModeWords[] = {L"dark", L"light", L"system", L"default", L"none"};
constexpr std::wstring_view kSwitchWords[] = {L"on", L"off", L"1", L"0", L"true", L"false", L"yes", L"no"};
// Variables the plug-in writes itself.
constexpr std::wstring_view kThemeVariables[] = {L"Mode",      L"ControlBack", L"ControlText", L"PageColor",
                                                 L"Accent",    L"Glyphs",      L"TitleBar",    L"TitleText",
                                                 L"Name",      L"File"};
constexpr std::wstring_view kActionVariables[] = {L"Build",      L"Supported", L"Version",
                                                  L"AutoRefresh", L"Windows",  L"WindowCount"};
// Written again whenever the user changes the Windows setting, not only by an action.
constexpr std::wstring_view kWindowsSettingVariables[] = {L"SystemDark", L"HighContrast"};

class Findings {
public:
    explicit Findings(std::vector<Finding>& items) : items_(items) {}
    void add(Severity severity, int line, std::wstring_view key, std::wstring message) {
        items_.push_back({severity, line, std::wstring(key), std::move(message)});
    }

private:
    std::vector<Finding>& items_;
};

std::wstring quoted(std::wstring_view text) { return L"'" + std::wstring(text) + L"'"; }
std::wstring lineText(int line) { return L"line " + decimalText(line); }

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

template <size_t N>
std::optional<std::wstring_view> findIgnoringCase(const std::wstring_view (&names)[N], std::wstring_view word) {
    for (std::wstring_view name : names)
        if (equalsIgnoreCase(name, word)) return name;
    return std::nullopt;
}

// The entry Apply reads for a key: the first one in the section.
const IniEntry* firstEntry(const IniSection* section, std::wstring_view key) {
    if (!section) return nullptr;
    for (const IniEntry& entry : section->entries)
        if (equalsIgnoreCase(entry.key, key)) return &entry;
    return nullptr;
}

size_t editDistance(std::wstring_view a, std::wstring_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (lowerChar(a[i - 1]) == lowerChar(b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// A close known name, for a hint after a typing slip.
template <size_t N>
std::optional<std::wstring_view> nearestName(const std::wstring_view (&names)[N], std::wstring_view word) {
    if (word.size() < 3) return std::nullopt;
    for (std::wstring_view name : names)
        if (editDistance(name, word) <= 2) return name;
    return std::nullopt;
}

std::wstring unknownKeyMessage(std::wstring_view key) {
    if (trimSpaces(key).empty()) return L"An entry without a key is ignored";
    std::wstring message = L"Unknown key " + quoted(key) + L" is ignored";
    if (equalsIgnoreCase(key, L"AccentColor"))
        return message + L": in [Hueloom] the key is 'Accent' (AccentColor belongs to [Objects])";
    if (equalsIgnoreCase(key, L"PageColor")) return message + L": the key is 'PageBack'";
    if (auto near = nearestName(kThemeKeys, key)) return message + L": did you mean " + quoted(*near) + L"?";
    return message;
}

// What stays when a colour key gives nothing: "the Dark palette's 32,32,32 stays".
std::wstring paletteFallback(Mode mode, Color color) {
    return L"the " + std::wstring(modeName(mode)) + L" palette's " + formatColor(color) + L" stays";
}

void checkColorValue(std::wstring_view key, const IniEntry& entry, const std::wstring& fallback, Findings& out,
                     std::wstring_view remark = {}) {
    const ColorReading reading = readColorText(entry.value);
    const std::wstring gives = formatColor(reading.parsed.color);
    const std::wstring hint = colorHint(entry.value);
    const std::wstring hintText = hint.empty() ? std::wstring() : L" (" + hint + L")";
    switch (reading.form) {
    case ColorForm::Empty:
        out.add(Severity::Warning, entry.line, key, std::wstring(key) + L" is empty: " + fallback + std::wstring(remark));
        break;
    case ColorForm::Rejected:
        out.add(Severity::Warning, entry.line, key,
                std::wstring(key) + L" " + quoted(entry.value) + L" is not a colour: " + fallback + hintText +
                    std::wstring(remark));
        break;
    case ColorForm::Components:
        if (reading.unusualComponents)
            out.add(Severity::Warning, entry.line, key,
                    std::wstring(key) + L" " + quoted(entry.value) + L" reads as " + gives +
                        L": a field that is not a number reads as 0, and numbers are kept within 0..255" + hintText);
        break;
    case ColorForm::PlainNumber:
        if (reading.hash)
            out.add(Severity::Warning, entry.line, key,
                    std::wstring(key) + L" " + quoted(entry.value) + L" is read as a plain number, which gives " + gives +
                        hintText);
        else
            out.add(Severity::Info, entry.line, key,
                    std::wstring(key) + L" " + quoted(entry.value) +
                        L" is a plain number, taken as the colour value itself: " + gives +
                        L" (#RRGGBB or R,G,B say the same more plainly)");
        break;
    default:
        break;
    }
}

void checkModeWord(const IniEntry& entry, Findings& out) {
    const std::wstring word = normalizedWord(entry.value);
    if (findIgnoringCase(kModeWords, word)) return;
    if (word.empty())
        out.add(Severity::Warning, entry.line, entry.key, L"Mode is empty: Apply uses Dark");
    else if (isAutoModeWord(word))
        out.add(Severity::Warning, entry.line, entry.key,
                L"Mode " + quoted(entry.value) +
                    L" is not a mode word of skins: Apply uses Dark (to follow Windows, call Hueloom_SetMode \"Auto\")");
    else
        out.add(Severity::Warning, entry.line, entry.key,
                L"Mode " + quoted(entry.value) + L" is not a mode word: Apply uses Dark (the words are Dark, Light and System)");
}

void checkSwitchWord(const IniEntry& entry, Findings& out) {
    const std::wstring word = normalizedWord(entry.value);
    if (findIgnoringCase(kSwitchWords, word)) return;
    const std::wstring what = word.empty() ? entry.key + L" is empty" : entry.key + L" " + quoted(entry.value) + L" is not a switch word";
    out.add(Severity::Warning, entry.line, entry.key, what + L": Apply reads it as On (Off, 0 and False switch it off)");
}

// The accent: "Accent", or "AccentColor" of "Objects" when "Accent" is absent or empty.
void checkAccent(const IniSection* theme, const IniSection* objects, const SkinSettings& settings, Findings& out) {
    const IniEntry* accent = firstEntry(theme, L"Accent");
    const IniEntry* accentColor = firstEntry(objects, L"AccentColor");
    const std::wstring fallback = paletteFallback(settings.mode, modePalette(settings.mode).accent);
    if (accent && !accent->value.empty()) {
        checkColorValue(L"Accent", *accent, fallback, out,
                        accentColor ? L" (AccentColor of [Objects] stands in only for a missing or empty Accent)" : L"");
        return;
    }
    if (!accentColor) {
        if (accent) checkColorValue(L"Accent", *accent, fallback, out);
        return;
    }
    if (accent)
        out.add(Severity::Info, accent->line, accent->key,
                L"Accent is empty: the accent comes from AccentColor of [Objects], " + lineText(accentColor->line));
    else
        out.add(Severity::Info, accentColor->line, accentColor->key,
                L"AccentColor is also the accent, since [Hueloom] has no Accent");
    checkColorValue(L"AccentColor", *accentColor, fallback, out);
}

void checkThemeEntry(std::wstring_view known, const IniEntry& entry, const SkinSettings& settings, Findings& out) {
    if (known == L"Name") {
        if (entry.value.empty())
            out.add(Severity::Warning, entry.line, entry.key, L"Name is empty: the skin has no name (Apply answers \"OK - skin '' applied\")");
        return;
    }
    if (known == L"Mode") return checkModeWord(entry, out);
    if (settings.mode == Mode::System) {
        out.add(Severity::Warning, entry.line, entry.key,
                std::wstring(known) + L" is not read in System mode: Apply restores the stock look");
        return;
    }
    if (known == L"Glyphs" || known == L"ArticleText") return checkSwitchWord(entry, out);
    if (known == L"Accent") return;  // with AccentColor, in checkAccent
    const Palette palette = modePalette(settings.mode);
    const bool title = known == L"TitleBar" || known == L"TitleText";
    const std::wstring fallback = title ? std::wstring(L"the system's caption colour stays")
                              : known == L"ControlBack" ? paletteFallback(settings.mode, palette.controlBack)
                              : known == L"ControlText" ? paletteFallback(settings.mode, palette.controlText)
                                                        : paletteFallback(settings.mode, palette.pageBack);
    checkColorValue(known, entry, fallback, out);
}

void checkThemeSection(const IniDocument& skin, const SkinSettings& settings, Findings& out) {
    const IniSection* theme = skin.section(kSkinThemeSection);
    if (!theme) {
        out.add(Severity::Warning, 0, kSkinThemeSection,
                L"There is no section [Hueloom]: Apply gives a Dark skin in the Dark palette, named " +
                    quoted(settings.name) + L" after the file");
        return;
    }
    for (const IniEntry& entry : theme->entries) {
        const std::optional<std::wstring_view> known = findIgnoringCase(kThemeKeys, entry.key);
        if (!known) {
            out.add(Severity::Warning, entry.line, entry.key, unknownKeyMessage(entry.key));
            continue;
        }
        const IniEntry* first = firstEntry(theme, *known);
        if (first != &entry) {
            out.add(Severity::Warning, entry.line, entry.key,
                    quoted(entry.key) + L" is given again: Apply reads only the first, on " + lineText(first->line));
            continue;
        }
        checkThemeEntry(*known, entry, settings, out);
    }
    if (settings.mode != Mode::System) checkAccent(theme, skin.section(kSkinObjectsSection), settings, out);
}

std::wstring reservedVariableRemark(std::wstring_view key, Mode mode) {
    if (equalsIgnoreCase(key, L"LastError")) return L"every action's answer overwrites it";
    if (findIgnoringCase(kThemeVariables, key))
        return mode == Mode::System ? L"in System mode it replaces the plug-in's own value"
                                        : L"Apply writes the theme's own value over it right after";
    if (findIgnoringCase(kActionVariables, key)) return L"the plug-in overwrites it when GetInfo, AutoRefresh or ListWindows runs";
    if (findIgnoringCase(kWindowsSettingVariables, key))
        return L"the plug-in overwrites it when GetInfo or SetMode \"Auto\" runs and when the Windows setting changes";
    return {};
}

void checkObjectValue(const IniEntry& entry, const std::wstring& variable, Findings& out) {
    const ColorReading reading = readColorText(entry.value);
    const std::wstring gives = formatColor(reading.parsed.color);
    const std::wstring hint = colorHint(entry.value);
    const std::wstring hintText = hint.empty() ? std::wstring() : L" (" + hint + L")";
    switch (reading.form) {
    case ColorForm::Components:
        if (reading.unusualComponents)
            out.add(Severity::Warning, entry.line, entry.key,
                    quoted(entry.value) + L" has exactly two commas, so Apply reads it as a colour: " + variable +
                        L" becomes " + gives);
        break;
    case ColorForm::PlainNumber:
        out.add(Severity::Warning, entry.line, entry.key,
                quoted(entry.value) + L" is a plain number, which Apply reads as a colour value: " + variable +
                    L" becomes " + gives + L", not " + quoted(entry.value) + hintText);
        break;
    case ColorForm::HexDigits:
        if (reading.digitsOnly && !reading.hash)
            out.add(Severity::Info, entry.line, entry.key,
                    L"Six digits are read as a hexadecimal colour: " + variable + L" becomes " + gives);
        break;
    case ColorForm::Rejected:
        if (looksLikeColorAttempt(entry.value))
            out.add(Severity::Info, entry.line, entry.key,
                    quoted(entry.value) + L" looks like a colour but is not one: " + variable +
                        L" gets the text unchanged" + hintText);
        break;
    default:
        break;
    }
}

void checkObjectsSection(const IniDocument& skin, const SkinSettings& settings, Findings& out) {
    const IniSection* objects = skin.section(kSkinObjectsSection);
    if (!objects) return;
    // The first AccentColor stands in for the accent; its value is checked as one there.
    const IniEntry* accentSource = nullptr;
    if (settings.mode != Mode::System && skin.readOr(kSkinThemeSection, L"Accent", L"").empty())
        accentSource = firstEntry(objects, L"AccentColor");

    for (const IniEntry& entry : objects->entries) {
        const std::wstring variable = L"[Skin." + entry.key + L"]";
        if (entry.key.empty()) {
            out.add(Severity::Warning, entry.line, entry.key, L"An entry without a key: Apply exports it as [Skin.]");
            continue;
        }
        const IniEntry* first = firstEntry(objects, entry.key);
        if (first != &entry)
            out.add(Severity::Warning, entry.line, entry.key,
                    quoted(entry.key) + L" is given again: " + variable + L" is set twice and this value wins over " +
                        lineText(first->line) + (first == accentSource ? L"; the accent takes the first" : L""));
        if (const std::wstring remark = reservedVariableRemark(entry.key, settings.mode); !remark.empty())
            out.add(Severity::Warning, entry.line, entry.key, variable + L" is a variable of the plug-in's own: " + remark);
        if (&entry != accentSource) checkObjectValue(entry, variable, out);
    }
}

void checkOtherSections(const IniDocument& skin, Findings& out) {
    constexpr std::wstring_view kRead[] = {kSkinThemeSection, kSkinObjectsSection};
    for (const IniSection& section : skin.sections()) {
        if (findIgnoringCase(kRead, section.name)) continue;
        const size_t entries = section.entries.size();
        std::wstring message = L"Section [" + section.name + L"] is not read by Apply";
        if (entries > 0)
            message += entries == 1 ? std::wstring(L": its entry is ignored")
                                    : L": its " + decimalText(static_cast<int64_t>(entries)) + L" entries are ignored";
        if (auto near = nearestName(kRead, section.name)) message += L"; did you mean [" + std::wstring(*near) + L"]?";
        out.add(Severity::Warning, section.line, section.name, std::move(message));
    }
}

} // namespace

std::vector<OutsideEntry> entriesBeforeFirstSection(std::wstring_view text) {
    std::vector<OutsideEntry> entries;
    size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) end = text.size();
        ++number;
        std::wstring_view line = text.substr(start, end - start);
        while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
        if (!line.empty() && line.front() == L'[') break;
        if (!line.empty() && line.front() != L';') {
            std::wstring_view key = line.substr(0, line.find(L'='));
            while (!key.empty() && isBlank(key.back())) key.remove_suffix(1);
            entries.push_back({number, std::wstring(key)});
        }
        if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ++end;
        start = end + 1;
    }
    return entries;
}

std::vector<Finding> checkSkinKeys(const IniDocument& skin, std::wstring_view text, const SkinSettings& settings) {
    std::vector<Finding> items;
    Findings out(items);
    for (const OutsideEntry& entry : entriesBeforeFirstSection(text))
        out.add(Severity::Warning, entry.line, entry.key,
                quoted(entry.key) + L" stands before any section and is ignored (it belongs in [Hueloom] or [Objects])");
    checkOtherSections(skin, out);
    checkThemeSection(skin, settings, out);
    checkObjectsSection(skin, settings, out);
    sortByLine(items);
    return items;
}

} // namespace hueloom::skincheck
