#include "skin_check/skin_report.h"

#include <algorithm>

#include "skin_check/contrast.h"
#include "paint/paint_colors.h"
#include "skin_check/key_checks.h"

namespace hueloom::skincheck {

namespace {

std::wstring decodedText(std::string_view bytes, AnsiDecoder decodeAnsi) {
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) return decodeUtf8(bytes.substr(kByteOrderMark.size()));
    return decodeAnsi(bytes);
}

std::wstring titleText(std::optional<Color> color) { return color ? formatColor(*color) : std::wstring(); }

ContrastCheck measured(const char* id, std::wstring what, Color foreground, Color background) {
    ContrastCheck check;
    check.id = id;
    check.what = std::move(what);
    check.foreground = foreground;
    check.background = background;
    check.ratio = contrastRatio(foreground, background);
    check.severity = contrastSeverity(check.ratio);
    return check;
}

ContrastCheck skippedCheck(const char* id, std::wstring what, std::wstring why) {
    ContrastCheck check;
    check.id = id;
    check.what = std::move(what);
    check.skipped = std::move(why);
    return check;
}

} // namespace

int SkinReport::count(Severity severity) const {
    int n = 0;
    for (const Finding& finding : findings) n += finding.severity == severity;
    for (const ContrastCheck& check : contrasts) n += check.skipped.empty() && check.severity == severity;
    return n;
}

Severity SkinReport::worst() const {
    Severity worst = Severity::Ok;
    for (const Finding& finding : findings) worst = std::max(worst, finding.severity);
    for (const ContrastCheck& check : contrasts)
        if (check.skipped.empty()) worst = std::max(worst, check.severity);
    return worst;
}

std::vector<ExportedVariable> exportedVariables(const SkinSettings& settings, std::wstring_view path) {
    const bool system = settings.mode == Mode::System;
    std::vector<ExportedVariable> theme = {
        {L"[Skin.Mode]", modeName(settings.mode)},
        {L"[Skin.ControlBack]", formatColor(settings.controlBack)},
        {L"[Skin.ControlText]", formatColor(settings.controlText)},
        {L"[Skin.PageColor]", formatColor(settings.pageBack)},
        {L"[Skin.Accent]", system ? std::nullopt : std::optional<std::wstring>(formatColor(settings.accent))},
        {L"[Skin.Glyphs]", system ? std::nullopt : std::optional<std::wstring>(settings.glyphs ? L"1" : L"0")},
        {L"[Skin.TitleBar]", titleText(settings.titleBar)},
        {L"[Skin.TitleText]", titleText(settings.titleText)},
    };
    const ExportedVariable skin[] = {{L"[Skin.Name]", settings.name}, {L"[Skin.File]", std::wstring(path)}};

    std::vector<ExportedVariable> all;
    const auto addObjects = [&] {
        for (const SkinVariable& object : settings.objects) all.push_back({object.name, object.value});
    };
    if (system) {
        all = theme;
        all.insert(all.end(), std::begin(skin), std::end(skin));
        addObjects();
    } else {
        addObjects();
        all.insert(all.end(), std::begin(skin), std::end(skin));
        all.insert(all.end(), theme.begin(), theme.end());
    }
    return all;
}

std::vector<ContrastCheck> contrastChecks(const SkinSettings& settings) {
    if (settings.mode == Mode::System) return {};
    std::vector<ContrastCheck> checks = {
        measured("controlTextOnControlBack", L"control text on control background", settings.controlText,
                 settings.controlBack),
        measured("controlTextOnPageBack", L"control text on page background", settings.controlText,
                 settings.pageBack),
    };
    // With glyphs off the plug-in draws no check box of its own: the system's look stays.
    if (settings.glyphs)
        checks.push_back(
            measured("checkMarkOnAccent", L"check mark on accent", checkMarkColor(settings.accent), settings.accent));
    else
        checks.push_back(skippedCheck("checkMarkOnAccent", L"check mark on accent",
                                      L"Glyphs is off, so the system draws check boxes"));
    const wchar_t* caption = L"caption text on caption";
    if (settings.titleBar && settings.titleText)
        checks.push_back(measured("captionTextOnCaption", caption, *settings.titleText, *settings.titleBar));
    else if (!settings.titleBar && !settings.titleText)
        checks.push_back(skippedCheck("captionTextOnCaption", caption,
                                      L"TitleBar and TitleText are the system default"));
    else
        checks.push_back(skippedCheck("captionTextOnCaption", caption,
                                      !settings.titleBar ? L"TitleBar is the system default"
                                                            : L"TitleText is the system default"));
    return checks;
}

SkinReport checkSkin(std::string_view bytes, std::wstring_view path, AnsiDecoder decodeAnsi) {
    const IniDocument skin = IniDocument::parse(bytes, decodeAnsi);
    SkinReport report;
    report.path = std::wstring(path);
    report.settings = readSkinSettings(skin, path);
    report.variables = exportedVariables(report.settings, path);
    report.contrasts = contrastChecks(report.settings);
    report.findings = checkSkinKeys(skin, decodedText(bytes, decodeAnsi), report.settings);
    return report;
}

SkinReport unreadableSkin(std::wstring_view path, std::wstring message) {
    SkinReport report;
    report.path = std::wstring(path);
    report.readError = std::move(message);
    return report;
}

int exitCodeFor(const std::vector<SkinReport>& reports) {
    int code = kExitClean;
    for (const SkinReport& report : reports) {
        if (!report.readable()) return kExitUnreadable;
        if (report.worst() == Severity::Error) code = kExitErrors;
        else if (report.worst() == Severity::Warning) code = std::max(code, kExitWarnings);
    }
    return code;
}

} // namespace hueloom::skincheck
