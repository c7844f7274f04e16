#pragma once
// skin_check [--json] FILE...: checks each skin file, prints the reports and answers with
// the exit code of the worst one.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "skin_check/skin_report.h"

namespace hueloom::skincheck {

struct CommandArgument {
    std::wstring text;            // as shown in reports
    std::filesystem::path path;   // as the system names the file
};

// What one command line gives: the texts for standard output and standard error (UTF-8),
// the exit code, and each file checked with its report (none after a usage error).
struct CheckRun {
    std::string out;
    std::string err;
    int exitCode = kExitUnreadable;
    std::vector<CommandArgument> files;
    std::vector<SkinReport> reports;  // one per file, in the same order
};

[[nodiscard]] CheckRun runCheck(const std::vector<CommandArgument>& arguments);

// runCheck, written to the two streams.
int runSkinCheck(const std::vector<CommandArgument>& arguments, std::ostream& out, std::ostream& err);

// What "skin_check FILE" prints for that one file: its report and the total line.
[[nodiscard]] std::string singleFileOutput(const SkinReport& report);

} // namespace hueloom::skincheck
