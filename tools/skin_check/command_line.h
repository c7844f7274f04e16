#pragma once
// skin_check [--json] FILE...: checks each skin file, prints the reports and answers with
// the exit code of the worst one.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace hueloom::skincheck {

struct CommandArgument {
    std::wstring text;            // as shown in reports
    std::filesystem::path path;   // as the system names the file
};

int runSkinCheck(const std::vector<CommandArgument>& arguments, std::ostream& out, std::ostream& err);

} // namespace hueloom::skincheck
