#include "skin_check/launch_plan.h"

namespace hueloom::skincheck {

LaunchPlan planLaunch(std::vector<CommandArgument> arguments, const std::function<bool()>& hasConsole) {
    LaunchPlan plan;
    bool optionsEnded = false;
    for (CommandArgument& argument : arguments) {
        if (!optionsEnded && argument.text == L"--window") {
            plan.window = true;
            continue;
        }
        if (argument.text == L"--") optionsEnded = true;
        plan.arguments.push_back(std::move(argument));
    }
    if (!plan.window) plan.window = !hasConsole();
    // A double-click: no file and no option. At a console that is a usage error, as ever.
    plan.findSkinsBeside = plan.window && plan.arguments.empty();
    return plan;
}

} // namespace hueloom::skincheck
