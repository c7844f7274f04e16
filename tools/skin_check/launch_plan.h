#pragma once
// How the Windows build of the checker answers: printed, for a developer at a console or
// a script that reads its output, or in a window, for an author who dropped skin files on
// the program or double-clicked it. Pure: the caller says whether there is a console.
#include <functional>
#include <vector>

#include "skin_check/command_line.h"

namespace hueloom::skincheck {

struct LaunchPlan {
    bool window = false;           // show the output in a window instead of printing it
    bool findSkinsBeside = false;  // nothing named: check the skins beside the program
    std::vector<CommandArgument> arguments;  // for runCheck, without --window
};

// "--window" (before "--") asks for the window. Otherwise the output is printed when
// hasConsole() says there is somewhere to print it, and shown in a window when not: a
// program started from Explorer has neither a console nor redirected output. hasConsole
// is asked only when the command line does not decide.
[[nodiscard]] LaunchPlan planLaunch(std::vector<CommandArgument> arguments,
                                    const std::function<bool()>& hasConsole);

} // namespace hueloom::skincheck
