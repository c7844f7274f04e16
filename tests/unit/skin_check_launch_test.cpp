// The skin checker for authors: whether it prints or shows a window, which skins a
// double-click finds, and what "Save report" writes where.
#include <doctest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin_check/command_line.h"
#include "skin_check/launch_plan.h"
#include "skin_check/saved_reports.h"
#include "skin_check/skin_discovery.h"
#include "skin_check/tests/scratch_folder.h"
#include "skin_check/window_report.h"
#include "theme/ini_reader.h"

using namespace hueloom;
using namespace hueloom::skincheck;
namespace fs = std::filesystem;
using testing::ScratchFolder;

namespace {

std::vector<CommandArgument> argumentsOf(const std::vector<std::string>& texts) {
    std::vector<CommandArgument> arguments;
    for (const std::string& text : texts) arguments.push_back({decodeUtf8(text), fs::path(text)});
    return arguments;
}

std::vector<std::string> textsOf(const std::vector<CommandArgument>& arguments) {
    std::vector<std::string> texts;
    for (const CommandArgument& argument : arguments) texts.push_back(fs::path(argument.text).generic_string());
    return texts;
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

const auto kConsole = [] { return true; };
const auto kNoConsole = [] { return false; };

} // namespace

TEST_CASE("launch: printed at a console, in a window without one") {
    SUBCASE("files at a console are printed, as by the console program") {
        const LaunchPlan plan = planLaunch(argumentsOf({"--json", "a.ini"}), kConsole);
        CHECK_FALSE(plan.window);
        CHECK_FALSE(plan.findSkinsBeside);
        CHECK(textsOf(plan.arguments) == std::vector<std::string>{"--json", "a.ini"});
    }
    SUBCASE("files dropped on the program open a window with those files") {
        const LaunchPlan plan = planLaunch(argumentsOf({"a.ini", "b.ini"}), kNoConsole);
        CHECK(plan.window);
        CHECK_FALSE(plan.findSkinsBeside);
        CHECK(textsOf(plan.arguments) == std::vector<std::string>{"a.ini", "b.ini"});
    }
    SUBCASE("a double-click checks the skins beside the program") {
        const LaunchPlan plan = planLaunch({}, kNoConsole);
        CHECK(plan.window);
        CHECK(plan.findSkinsBeside);
    }
    SUBCASE("no argument at a console stays the usage error") {
        const LaunchPlan plan = planLaunch({}, kConsole);
        CHECK_FALSE(plan.window);
        CHECK_FALSE(plan.findSkinsBeside);
        CHECK(runCheck(plan.arguments).exitCode == kExitUnreadable);
    }
    SUBCASE("--window asks for the window without looking for a console") {
        int asked = 0;
        const LaunchPlan plan = planLaunch(argumentsOf({"a.ini", "--window"}), [&asked] { return ++asked, true; });
        CHECK(plan.window);
        CHECK(asked == 0);
        CHECK(textsOf(plan.arguments) == std::vector<std::string>{"a.ini"});
        CHECK(planLaunch(argumentsOf({"--window"}), kConsole).findSkinsBeside);
    }
    SUBCASE("after -- a file may be called --window") {
        const LaunchPlan plan = planLaunch(argumentsOf({"--", "--window"}), kConsole);
        CHECK_FALSE(plan.window);
        CHECK(textsOf(plan.arguments) == std::vector<std::string>{"--", "--window"});
    }
}

TEST_CASE("discovery: the .ini files beside the program, then those in its Skins folder") {
    ScratchFolder folder;
    folder.write("b.ini", "[Hueloom]\n");
    folder.write("A.INI", "[Hueloom]\n");
    folder.write("notes.txt", "not a skin");
    folder.write("ini", "no extension");
    fs::create_directories(folder.path / "folder.ini");  // a folder, not a skin
    folder.write("Skins/z.ini", "[Hueloom]\n");
    folder.write("Skins/Y.Ini", "[Hueloom]\n");
    folder.write("Skins/deeper/x.ini", "[Hueloom]\n");  // one level only

    const std::vector<CommandArgument> found = skinsBeside(folder.path);
    CHECK(textsOf(found) == std::vector<std::string>{"A.INI", "b.ini", "Skins/Y.Ini", "Skins/z.ini"});
    // Reports name them relative to the program; the file system gets the whole path.
    REQUIRE(found.size() == 4);
    CHECK(found[2].path == folder.path / "Skins" / "Y.Ini");
    for (const CommandArgument& skin : found) CHECK(fs::is_regular_file(skin.path));

    SUBCASE("a skins folder in any letter case") {
        ScratchFolder other;
        other.write("skins/only.ini", "[Hueloom]\n");
        CHECK(textsOf(skinsBeside(other.path)) == std::vector<std::string>{"skins/only.ini"});
    }
    SUBCASE("nothing, and no folder at all") {
        ScratchFolder empty;
        CHECK(skinsBeside(empty.path).empty());
        CHECK(skinsBeside(empty.path / "absent").empty());
    }
}

TEST_CASE("saved reports: NAME.report.txt beside the skin, as a Windows text file") {
    CHECK(reportFileFor(fs::path("dir") / "midnight.ini") == fs::path("dir") / "midnight.report.txt");
    CHECK(reportFileFor("paper.INI") == fs::path("paper.report.txt"));
    CHECK(withCrLf("a\nb\r\nc\n") == "a\r\nb\r\nc\r\n");
    CHECK(withCrLf("\n") == "\r\n");
    CHECK(windowsTextFile("x\n") == "\xEF\xBB\xBFx\r\n");

    ScratchFolder folder;
    const fs::path warned = folder.write("warned.ini", "[Hueloom]\nMode=blue\n");
    const fs::path clean = folder.write("Skins/clean.ini", "[Hueloom]\nName=Clean\n");
    const std::vector<CommandArgument> files = {
        {L"warned.ini", warned}, {L"absent.ini", folder.path / "absent.ini"}, {L"clean.ini", clean}};
    const CheckRun run = runCheck(files);
    REQUIRE(run.reports.size() == 3);

    const std::vector<SavedReport> saved = saveReports(run);
    // The unreadable skin has no report to save.
    REQUIRE(saved.size() == 2);
    CHECK(saved[0].saved);
    CHECK(saved[1].saved);
    CHECK_FALSE(fs::exists(folder.path / "absent.report.txt"));
    // Each file holds what checking that skin alone prints.
    const std::string alone = runCheck({files[2]}).out;
    CHECK(singleFileOutput(run.reports[2]) == alone);
    CHECK(readFile(folder.path / "Skins" / "clean.report.txt") == windowsTextFile(alone));
    CHECK(readFile(folder.path / "warned.report.txt") == windowsTextFile(runCheck({files[0]}).out));
    CHECK(saveStatus(saved) == L"Saved 2 reports, each beside its skin as NAME.report.txt");
    CHECK(saveStatus({saved[1]}) == L"Saved " + (folder.path / "Skins" / "clean.report.txt").wstring());

    SUBCASE("a folder that cannot be written says so") {
        CheckRun moved = runCheck({files[2]});
        moved.files[0].path = folder.path / "gone" / "clean.ini";
        const std::vector<SavedReport> failed = saveReports(moved);
        REQUIRE(failed.size() == 1);
        CHECK_FALSE(failed[0].saved);
        CHECK(saveStatus(failed) == L"Could not save " + (folder.path / "gone" / "clean.report.txt").wstring() +
                                        L": the folder may be write-protected");
        CHECK(saveStatus({failed[0], failed[0], saved[0]}).find(L" and 1 more:") != std::wstring::npos);
    }
}

TEST_CASE("the window's report: the console's text, and Save only where there is a report") {
    ScratchFolder folder;
    const fs::path warned = folder.write("warned.ini", "[Hueloom]\nMode=blue\n");

    SUBCASE("dropped files: the same text and exit code as at the console") {
        const std::vector<CommandArgument> files = {{L"warned.ini", warned}, {L"absent.ini", folder.path / "x.ini"}};
        const CheckRun console = runCheck(files);
        const WindowReport report = windowReport(planLaunch(files, kNoConsole), folder.path);
        CHECK(report.text == decodeUtf8(withCrLf(console.out)));
        CHECK(report.exitCode == console.exitCode);
        CHECK(report.title == L"Hueloom skin check: 2 files");
        REQUIRE(report.save);
        CHECK(report.save() == L"Saved " + (folder.path / "warned.report.txt").wstring());
        CHECK(fs::exists(folder.path / "warned.report.txt"));
    }
    SUBCASE("a double-click beside skins checks them") {
        folder.write("Skins/paper.ini", "[Hueloom]\nMode=Light\n");
        const WindowReport report = windowReport(planLaunch({}, kNoConsole), folder.path);
        CHECK(report.title == L"Hueloom skin check: 2 files");
        CHECK(report.text.find(L"warned.ini\r\n  Skin 'warned'") == 0);
        CHECK(report.text.find(fs::path("Skins/paper.ini").make_preferred().wstring() + L"\r\n") != std::wstring::npos);
        CHECK(report.text.find(L"2 files checked: 0 errors, 2 warnings") != std::wstring::npos);
    }
    SUBCASE("a double-click with no skin near says what to do") {
        ScratchFolder empty;
        const WindowReport report = windowReport(planLaunch({}, kNoConsole), empty.path);
        CHECK(report.text.find(L"No skin files to check.") == 0);
        CHECK(report.text.find(empty.path.wstring()) != std::wstring::npos);
        CHECK(report.exitCode == kExitUnreadable);
        CHECK_FALSE(report.save);
    }
    SUBCASE("only unreadable files: nothing to save") {
        const std::vector<CommandArgument> files = {{L"absent.ini", folder.path / "absent.ini"}};
        const WindowReport report = windowReport(planLaunch(files, kNoConsole), folder.path);
        CHECK(report.title == L"Hueloom skin check: absent.ini");
        CHECK(report.text.find(L"Skin file not found: absent.ini") != std::wstring::npos);
        CHECK_FALSE(report.save);
    }
}
