#include "theme/skin_settings.h"

#include "common/text.h"
#include "theme/skin_rules.h"

namespace hueloom {

namespace {

// An empty value keeps the palette colour and a bad one is ignored the same way: a skin
// never fails on a colour.
void readColor(const IniDocument& skin, std::wstring_view key, Color& target) {
    const ParsedColor color = parseColor(skin.readOr(kSkinThemeSection, key, L""));
    if (color.ok) target = color.color;
}

std::optional<Color> readTitleColor(const IniDocument& skin, std::wstring_view key) {
    const ParsedColor color = parseColor(skin.readOr(kSkinThemeSection, key, L""));
    if (!color.ok) return std::nullopt;
    return color.color;
}

} // namespace

std::vector<SkinVariable> skinObjectVariables(const IniDocument& skin) {
    std::vector<SkinVariable> variables;
    const IniSection* objects = skin.section(kSkinObjectsSection);
    if (!objects) return variables;
    variables.reserve(objects->entries.size());
    for (const IniEntry& entry : objects->entries) {
        const ParsedColor color = parseColor(entry.value);
        variables.push_back({L"[Skin." + entry.key + L"]", color.ok ? formatColor(color.color) : entry.value,
                             entry.line});
    }
    return variables;
}

SkinSettings readSkinSettings(const IniDocument& skin, std::wstring_view path) {
    SkinSettings settings;
    settings.name = skin.readOr(kSkinThemeSection, L"Name", skinNameFromPath(path));
    const std::wstring modeWord = skin.readOr(kSkinThemeSection, L"Mode", L"Dark");
    settings.mode = readModeWord(modeWord, ModeWords::Skin).value_or(Mode::Dark);
    settings.objects = skinObjectVariables(skin);

    const Palette palette = modePalette(settings.mode);
    settings.controlBack = palette.controlBack;
    settings.controlText = palette.controlText;
    settings.pageBack = palette.pageBack;
    settings.accent = palette.accent;
    if (settings.mode == Mode::System) return settings;

    readColor(skin, L"ControlBack", settings.controlBack);
    readColor(skin, L"ControlText", settings.controlText);
    readColor(skin, L"PageBack", settings.pageBack);
    settings.titleBar = readTitleColor(skin, L"TitleBar");
    settings.titleText = readTitleColor(skin, L"TitleText");
    settings.articleText = !isOffWord(skin.readOr(kSkinThemeSection, L"ArticleText", L"On"));
    settings.glyphs = !isOffWord(skin.readOr(kSkinThemeSection, L"Glyphs", L"On"));

    // "AccentColor" of "Objects" stands in only for an absent or empty "Accent": a bad
    // one leaves the palette accent.
    std::wstring accent = skin.readOr(kSkinThemeSection, L"Accent", L"");
    if (accent.empty()) accent = skin.readOr(kSkinObjectsSection, L"AccentColor", L"");
    if (const ParsedColor color = parseColor(accent); color.ok) settings.accent = color.color;
    return settings;
}

} // namespace hueloom
