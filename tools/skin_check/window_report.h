#pragma once
// What the checker's window shows and saves for a launch without a console. Pure: the
// window itself lives in report_window.h.
#include <filesystem>
#include <functional>
#include <string>

#include "skin_check/launch_plan.h"

namespace hueloom::skincheck {

struct WindowReport {
    std::wstring title;
    std::wstring text;  // what the console would show, with CR LF line ends
    // Saves each readable skin's report beside it and says how that went; empty when
    // there is nothing to save.
    std::function<std::wstring()> save;
    int exitCode = kExitUnreadable;
};

// Checks the files the plan names, or, when it names none, the skins beside the program
// in programFolder.
[[nodiscard]] WindowReport windowReport(const LaunchPlan& plan, const std::filesystem::path& programFolder);

} // namespace hueloom::skincheck
