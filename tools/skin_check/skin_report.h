#pragma once
// Everything the checker tells about one skin file: the theme Apply takes from it, the
// variables Apply sets, the contrast of its colour pairs and the findings on its keys.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin_check/finding.h"
#include "theme/ini_reader.h"
#include "theme/skin_settings.h"

namespace hueloom::skincheck {

struct ContrastCheck {
    const char* id = "";        // stable name for machine-readable output
    std::wstring what;          // "control text on control background"
    Color foreground = 0;
    Color background = 0;
    double ratio = 0;
    Severity severity = Severity::Ok;
    std::wstring skipped;       // why the pair was not measured; empty when it was
};

struct ExportedVariable {
    std::wstring name;
    // Nothing: Apply writes the value already in force (the accent and the glyph switch
    // in System mode), which the file does not decide.
    std::optional<std::wstring> value;
};

struct SkinReport {
    std::wstring path;
    std::wstring readError;     // Apply's answer for a file it cannot read; empty when read
    SkinSettings settings;
    std::vector<ExportedVariable> variables;  // in the order Apply sets them
    std::vector<ContrastCheck> contrasts;
    std::vector<Finding> findings;            // on the keys, in file order

    [[nodiscard]] bool readable() const { return readError.empty(); }
    // Findings and measured contrasts together.
    [[nodiscard]] int count(Severity severity) const;
    [[nodiscard]] Severity worst() const;
};

// Reads the bytes as Apply does: UTF-8 after a byte-order mark, else through `decodeAnsi`
// (not null).
[[nodiscard]] SkinReport checkSkin(std::string_view bytes, std::wstring_view path, AnsiDecoder decodeAnsi);
[[nodiscard]] SkinReport unreadableSkin(std::wstring_view path, std::wstring message);

// The variables Apply sets for these settings, in order: for Dark and Light the section
// "Objects" first, then [Skin.Name], [Skin.File] and the eight theme variables; for System
// the eight (from the reset), then the name, the file and "Objects".
[[nodiscard]] std::vector<ExportedVariable> exportedVariables(const SkinSettings& settings, std::wstring_view path);
[[nodiscard]] std::vector<ContrastCheck> contrastChecks(const SkinSettings& settings);

// 0 clean, 1 warnings only, 2 errors, 3 a file that cannot be read.
inline constexpr int kExitClean = 0;
inline constexpr int kExitWarnings = 1;
inline constexpr int kExitErrors = 2;
inline constexpr int kExitUnreadable = 3;
[[nodiscard]] int exitCodeFor(const std::vector<SkinReport>& reports);

} // namespace hueloom::skincheck
