// skin_check.exe: a GUI program, so that an author who drops skin files on it or
// double-clicks it sees the report in a window and no console. Started from a command
// prompt, or with its output redirected, it prints as the console program always did.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "skin_check/console_output.h"
#include "skin_check/launch_plan.h"
#include "skin_check/report_window.h"
#include "skin_check/window_report.h"

using namespace hueloom::skincheck;

// Asks the C runtime to expand wildcards in the arguments, since the Windows command
// prompt leaves "Skins\*.ini" as it is.
extern "C" {
int _dowildcard = -1;
}

namespace {

std::filesystem::path programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::filesystem::current_path();
        if (length < path.size()) return std::filesystem::path(path.substr(0, length)).parent_path();
        path.resize(path.size() * 2);
    }
}

int showInWindow(const LaunchPlan& plan) {
    WindowReport report = windowReport(plan, programFolder());
    const int exitCode = report.exitCode;
    HWND window = openReportWindow(std::move(report));
    if (!window) return kExitUnreadable;
    runUntilClosed(window);
    return exitCode;
}

} // namespace

// Wide arguments, so paths in any script reach the file system unchanged.
int wmain(int argc, wchar_t** argv) {
    std::vector<CommandArgument> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back({argv[i], std::filesystem::path(argv[i])});
    ConsoleOutput console;
    const LaunchPlan plan = planLaunch(std::move(arguments), [&console] { return console.open(); });
    if (plan.window) return showInWindow(plan);
    const CheckRun run = runCheck(plan.arguments);
    console.write(run.out, false);
    console.write(run.err, true);
    return run.exitCode;
}
