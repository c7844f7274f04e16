// skin_check: the same program on Windows and Linux; only the way arguments arrive
// differs.
#include <iostream>
#include <vector>

#include "skin_check/command_line.h"
#include "theme/ini_reader.h"

#ifdef _WIN32
#include <windows.h>

// Asks the C runtime to expand wildcards in the arguments, since the Windows command
// prompt leaves "Skins\*.ini" as it is.
extern "C" {
int _dowildcard = -1;
}

// Wide arguments, so paths in any script reach the file system unchanged.
// The report is UTF-8; the console shows it as such while the program runs and gets its
// own code page back afterwards.
int wmain(int argc, wchar_t** argv) {
    const UINT consoleCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::vector<hueloom::skincheck::CommandArgument> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back({argv[i], std::filesystem::path(argv[i])});
    const int code = hueloom::skincheck::runSkinCheck(arguments, std::cout, std::cerr);
    std::cout.flush();
    if (consoleCodePage != 0) SetConsoleOutputCP(consoleCodePage);
    return code;
}
#else
// Arguments are bytes for the file system and UTF-8 for the reports.
int main(int argc, char** argv) {
    std::vector<hueloom::skincheck::CommandArgument> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back({hueloom::decodeUtf8(argv[i]), std::filesystem::path(argv[i])});
    return hueloom::skincheck::runSkinCheck(arguments, std::cout, std::cerr);
}
#endif
