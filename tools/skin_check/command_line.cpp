#include "skin_check/command_line.h"

#include <new>

#include "skin_check/report_output.h"
#include "skin_check/skin_input.h"
#include "skin_check/unicode_text.h"

namespace hueloom::skincheck {

namespace {

constexpr char kUsage[] =
    "Usage: skin_check [--json] FILE...\n"
    "Checks Hueloom skin files: keys that Apply ignores or falls back on, the theme and\n"
    "variables each file gives, and the contrast of its colours.\n"
    "  --json   one JSON document (an array with one object per file) instead of the report\n"
    "Exit code: 0 clean, 1 warnings only, 2 errors, 3 usage error or a file that cannot be read.\n";

SkinReport checkFile(const CommandArgument& file) {
    const SkinFileBytes read = readSkinFile(file.path);
    // The answers Apply gives for the same file.
    if (read.outcome == SkinReadOutcome::NotFound)
        return unreadableSkin(file.text, L"Skin file not found: " + file.text +
                                             L" (missing, empty or a folder)");
    if (read.outcome == SkinReadOutcome::CannotOpen)
        return unreadableSkin(file.text, L"Cannot open skin file: " + file.text +
                                             L" (locked, unreadable, or larger than 4 MB)");
    return checkSkin(read.bytes, file.text, decodeSystemCodePage);
}

} // namespace

int runSkinCheck(const std::vector<CommandArgument>& arguments, std::ostream& out, std::ostream& err) {
    bool json = false;
    bool optionsEnded = false;
    std::vector<const CommandArgument*> files;
    for (const CommandArgument& argument : arguments) {
        if (!optionsEnded && argument.text == L"--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument.text == L"--help" || argument.text == L"-h")) {
            out << kUsage;
            return kExitClean;
        } else if (!optionsEnded && argument.text == L"--json") {
            json = true;
        } else if (!optionsEnded && argument.text.size() > 1 && argument.text.front() == L'-') {
            err << "skin_check: unknown option " << toUtf8(argument.text) << "\n" << kUsage;
            return kExitUnreadable;
        } else {
            files.push_back(&argument);
        }
    }
    if (files.empty()) {
        err << "skin_check: no skin file given\n" << kUsage;
        return kExitUnreadable;
    }

    try {
        std::vector<SkinReport> reports;
        for (const CommandArgument* file : files) reports.push_back(checkFile(*file));
        if (json) {
            out << jsonReport(reports);
        } else {
            for (const SkinReport& report : reports) out << textReport(report) << "\n";
            out << textSummary(reports);
        }
        out.flush();
        return exitCodeFor(reports);
    } catch (const std::bad_alloc&) {
        err << "skin_check: out of memory\n";
        return kExitUnreadable;
    }
}

} // namespace hueloom::skincheck
