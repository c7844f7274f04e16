#include "skin_check/window_report.h"

#include <memory>

#include "skin_check/saved_reports.h"
#include "skin_check/skin_discovery.h"
#include "theme/ini_reader.h"

namespace hueloom::skincheck {

namespace {

constexpr wchar_t kTitle[] = L"Hueloom skin check";

std::wstring nothingFound(const std::filesystem::path& folder) {
    return L"No skin files to check.\r\n"
           L"\r\n"
           L"skin_check.exe checks the skin files (.ini) beside it and in a Skins folder beside it,\r\n"
           L"and found none in\r\n"
           L"  " + folder.wstring() + L"\r\n"
           L"\r\n"
           L"Drop one or more skin files on skin_check.exe, or copy it into the folder of your skins\r\n"
           L"(or the folder that holds their Skins folder) and double-click it there.\r\n";
}

std::wstring titleFor(const std::vector<CommandArgument>& files) {
    if (files.size() == 1) return std::wstring(kTitle) + L": " + files.front().path.filename().wstring();
    if (files.size() > 1) return std::wstring(kTitle) + L": " + std::to_wstring(files.size()) + L" files";
    return kTitle;
}

} // namespace

WindowReport windowReport(const LaunchPlan& plan, const std::filesystem::path& programFolder) {
    const std::vector<CommandArgument> arguments =
        plan.findSkinsBeside ? skinsBeside(programFolder) : plan.arguments;
    WindowReport report;
    if (plan.findSkinsBeside && arguments.empty()) {
        report.title = kTitle;
        report.text = nothingFound(programFolder);
        return report;
    }

    auto run = std::make_shared<CheckRun>(runCheck(arguments));
    report.exitCode = run->exitCode;
    report.text = decodeUtf8(withCrLf(run->out + run->err));

    report.title = titleFor(run->files);
    bool anyReadable = false;
    for (const SkinReport& skin : run->reports) anyReadable = anyReadable || skin.readable();
    if (anyReadable) report.save = [run] { return saveStatus(saveReports(*run)); };
    return report;
}

} // namespace hueloom::skincheck
