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
#ifdef _WIN32
    "  --window the report in a window, as when skin files are dropped on skin_check.exe\n"
#endif
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

CheckRun runCheck(const std::vector<CommandArgument>& arguments) {
    CheckRun run;
    bool json = false;
    bool optionsEnded = false;
    for (const CommandArgument& argument : arguments) {
        if (!optionsEnded && argument.text == L"--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument.text == L"--help" || argument.text == L"-h")) {
            run.out = kUsage;
            run.exitCode = kExitClean;
            run.files.clear();
            return run;
        } else if (!optionsEnded && argument.text == L"--json") {
            json = true;
        } else if (!optionsEnded && argument.text.size() > 1 && argument.text.front() == L'-') {
            run.err = "skin_check: unknown option " + toUtf8(argument.text) + "\n" + kUsage;
            run.files.clear();
            return run;
        } else {
            run.files.push_back(argument);
        }
    }
    if (run.files.empty()) {
        run.err = std::string("skin_check: no skin file given\n") + kUsage;
        return run;
    }

    try {
        for (const CommandArgument& file : run.files) run.reports.push_back(checkFile(file));
        if (json) {
            run.out = jsonReport(run.reports);
        } else {
            for (const SkinReport& report : run.reports) run.out += textReport(report) + "\n";
            run.out += textSummary(run.reports);
        }
        run.exitCode = exitCodeFor(run.reports);
    } catch (const std::bad_alloc&) {
        run = CheckRun{};
        run.err = "skin_check: out of memory\n";
    }
    return run;
}

int runSkinCheck(const std::vector<CommandArgument>& arguments, std::ostream& out, std::ostream& err) {
    const CheckRun run = runCheck(arguments);
    out << run.out;
    err << run.err;
    out.flush();
    return run.exitCode;
}

std::string singleFileOutput(const SkinReport& report) {
    return textReport(report) + "\n" + textSummary({report});
}

} // namespace hueloom::skincheck
