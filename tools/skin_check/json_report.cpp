#include <optional>

#include "skin_check/contrast.h"
#include "skin_check/json_writer.h"
#include "skin_check/report_output.h"
#include "skin_check/unicode_text.h"

namespace hueloom::skincheck {

namespace {

void colorMember(JsonWriter& json, const char* name, Color color) {
    json.key(name).string(toUtf8(formatColor(color)));
}

void titleMember(JsonWriter& json, const char* name, std::optional<Color> color) {
    json.key(name);
    if (!color) json.null();
    else json.string(toUtf8(formatColor(*color)));
}

// In System mode the accent and the switches are whatever is in force: null.
void writeTheme(JsonWriter& json, const SkinSettings& s) {
    const bool system = s.mode == Mode::System;
    json.key("theme").beginObject();
    json.key("stockLook").boolean(system);
    colorMember(json, "controlBack", s.controlBack);
    colorMember(json, "controlText", s.controlText);
    colorMember(json, "pageBack", s.pageBack);
    titleMember(json, "titleBar", s.titleBar);
    titleMember(json, "titleText", s.titleText);
    if (system) {
        json.key("accent").null();
        json.key("glyphs").null();
        json.key("articleText").null();
    } else {
        colorMember(json, "accent", s.accent);
        json.key("glyphs").boolean(s.glyphs);
        json.key("articleText").boolean(s.articleText);
    }
    json.endObject();
}

void writeVariables(JsonWriter& json, const SkinReport& report) {
    json.key("variables").beginArray();
    for (const ExportedVariable& variable : report.variables) {
        json.beginObject().key("name").string(toUtf8(variable.name)).key("value");
        if (variable.value) json.string(toUtf8(*variable.value));
        else json.null();
        json.endObject();
    }
    json.endArray();
}

void writeContrasts(JsonWriter& json, const SkinReport& report) {
    json.key("contrast").beginArray();
    for (const ContrastCheck& check : report.contrasts) {
        json.beginObject().key("check").string(check.id).key("what").string(toUtf8(check.what));
        if (check.skipped.empty()) {
            colorMember(json, "foreground", check.foreground);
            colorMember(json, "background", check.background);
            json.key("ratio").numberText(ratioText(check.ratio));
            json.key("result").string(severityName(check.severity));
        } else {
            json.key("result").string("skipped");
            json.key("reason").string(toUtf8(check.skipped));
        }
        json.endObject();
    }
    json.endArray();
}

void writeFindings(JsonWriter& json, const SkinReport& report) {
    json.key("findings").beginArray();
    for (const Finding& finding : report.findings) {
        json.beginObject().key("severity").string(severityName(finding.severity)).key("line");
        if (finding.line > 0) json.number(finding.line);
        else json.null();
        json.key("key").string(toUtf8(finding.key)).key("message").string(toUtf8(finding.message));
        json.endObject();
    }
    json.endArray();
}

void writeReport(JsonWriter& json, const SkinReport& report) {
    json.beginObject();
    json.key("file").string(toUtf8(report.path));
    json.key("readable").boolean(report.readable());
    if (!report.readable()) {
        json.key("error").string(toUtf8(report.readError));
        json.endObject();
        return;
    }
    json.key("name").string(toUtf8(report.settings.name));
    json.key("mode").string(toUtf8(modeName(report.settings.mode)));
    writeTheme(json, report.settings);
    writeVariables(json, report);
    writeContrasts(json, report);
    writeFindings(json, report);
    json.key("errors").number(report.count(Severity::Error));
    json.key("warnings").number(report.count(Severity::Warning));
    json.key("notes").number(report.count(Severity::Info));
    json.endObject();
}

} // namespace

std::string jsonReport(const std::vector<SkinReport>& reports) {
    JsonWriter json;
    json.beginArray();
    for (const SkinReport& report : reports) writeReport(json, report);
    json.endArray();
    return json.text();
}

} // namespace hueloom::skincheck
