// skin_check on Linux: a console program. Arguments are bytes for the file system and
// UTF-8 for the reports.
#include <iostream>
#include <vector>

#include "skin_check/command_line.h"
#include "theme/ini_reader.h"

int main(int argc, char** argv) {
    std::vector<hueloom::skincheck::CommandArgument> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back({hueloom::decodeUtf8(argv[i]), std::filesystem::path(argv[i])});
    return hueloom::skincheck::runSkinCheck(arguments, std::cout, std::cerr);
}
