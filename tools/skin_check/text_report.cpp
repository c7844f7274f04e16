#include <optional>

#include "skin_check/contrast.h"
#include "skin_check/report_output.h"
#include "skin_check/unicode_text.h"

namespace hueloom::skincheck {

namespace {

std::string utf8(std::wstring_view text) { return toUtf8(text); }

std::string padded(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string resultText(const SkinReport& report) {
    if (!report.readable()) return "cannot be read";
    std::string parts;
    const auto add = [&](int n, const char* one, const char* many) {
        if (n == 0) return;
        if (!parts.empty()) parts += ", ";
        parts += counted(n, one, many);
    };
    add(report.count(Severity::Error), "error", "errors");
    add(report.count(Severity::Warning), "warning", "warnings");
    add(report.count(Severity::Info), "note", "notes");
    return parts.empty() ? "clean" : parts;
}

std::string titleColor(std::optional<Color> color) {
    return color ? utf8(formatColor(*color)) : "system default";
}

void addTheme(std::string& out, const SkinSettings& s) {
    const bool system = s.mode == Mode::System;
    out += system ? "  Theme: System mode, the stock Windows look. The file's colours, switches and accent\n"
                    "  are not read, and its contrast is not checked.\n"
                  : "  Theme:\n";
    const auto row = [&](const char* name, const std::string& value) {
        out += "    " + padded(name, 13) + value + "\n";
    };
    row("Mode", utf8(modeName(s.mode)));
    row("ControlBack", utf8(formatColor(s.controlBack)));
    row("ControlText", utf8(formatColor(s.controlText)));
    row("PageBack", utf8(formatColor(s.pageBack)));
    row("TitleBar", titleColor(s.titleBar));
    row("TitleText", titleColor(s.titleText));
    if (system) {
        row("Accent", "unchanged (the accent in force stays)");
        row("Glyphs", "unchanged");
        row("ArticleText", "unchanged");
    } else {
        row("Accent", utf8(formatColor(s.accent)));
        row("Glyphs", s.glyphs ? "on" : "off");
        row("ArticleText", s.articleText ? "on" : "off");
    }
}

void addVariables(std::string& out, const SkinReport& report) {
    out += "  Variables Apply sets, in this order:\n";
    for (const ExportedVariable& variable : report.variables)
        out += "    " + utf8(variable.name) + " = " +
               (variable.value ? utf8(*variable.value) : std::string("(unchanged)")) + "\n";
}

void addContrasts(std::string& out, const SkinReport& report) {
    if (report.contrasts.empty()) return;
    out += "  Contrast (WCAG 2; warning below 4.5:1, error below 3:1):\n";
    for (const ContrastCheck& check : report.contrasts) {
        if (!check.skipped.empty()) {
            out += "    " + padded("skipped", 19) + utf8(check.what) + ": " + utf8(check.skipped) + "\n";
            continue;
        }
        out += "    " + padded(severityName(check.severity), 9) + padded(ratioText(check.ratio) + ":1", 10) +
               utf8(check.what) + " (" + utf8(formatColor(check.foreground)) + " on " +
               utf8(formatColor(check.background)) + ")\n";
    }
}

void addFindings(std::string& out, const SkinReport& report) {
    if (report.findings.empty()) return;
    out += "  Findings:\n";
    for (const Finding& finding : report.findings) {
        const std::string where = finding.line > 0 ? "line " + std::to_string(finding.line) : "file";
        out += "    " + padded(where, 10) + padded(severityName(finding.severity), 9) + utf8(finding.message) + "\n";
    }
}

} // namespace

std::string textReport(const SkinReport& report) {
    std::string out = utf8(report.path) + "\n";
    if (!report.readable()) {
        out += "  " + utf8(report.readError) + "\n  Result: cannot be read\n";
        return out;
    }
    out += "  Skin '" + utf8(report.settings.name) + "'\n";
    addTheme(out, report.settings);
    addVariables(out, report);
    addContrasts(out, report);
    addFindings(out, report);
    out += "  Result: " + resultText(report) + "\n";
    return out;
}

std::string textSummary(const std::vector<SkinReport>& reports) {
    std::string out;
    int errors = 0, warnings = 0, notes = 0, unreadable = 0;
    if (reports.size() > 1) out += "Summary:\n";
    for (const SkinReport& report : reports) {
        if (reports.size() > 1) out += "  " + padded(utf8(report.path), 28) + " " + resultText(report) + "\n";
        errors += report.count(Severity::Error);
        warnings += report.count(Severity::Warning);
        notes += report.count(Severity::Info);
        unreadable += !report.readable();
    }
    out += counted(static_cast<int>(reports.size()), "file", "files") + " checked: " +
           counted(errors, "error", "errors") + ", " + counted(warnings, "warning", "warnings") + ", " +
           counted(notes, "note", "notes");
    if (unreadable) out += ", " + counted(unreadable, "file", "files") + " not readable";
    return out + "\n";
}

} // namespace hueloom::skincheck
