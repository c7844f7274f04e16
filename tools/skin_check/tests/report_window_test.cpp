// The checker's window under Wine: it shows line for line what the console prints for the
// same files, saves each report beside its skin, lays itself out as it is resized, and
// closes with Esc.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin_check/command_line.h"
#include "skin_check/launch_plan.h"
#include "skin_check/report_window.h"
#include "skin_check/tests/scratch_folder.h"
#include "skin_check/window_report.h"
#include "theme/ini_reader.h"

using namespace hueloom;
using namespace hueloom::skincheck;
namespace fs = std::filesystem;
using testing::ScratchFolder;

namespace {

// Closes the window at the end of a test, whatever failed.
struct OpenWindow {
    HWND handle;
    explicit OpenWindow(WindowReport report) : handle(openReportWindow(std::move(report))) {}
    ~OpenWindow() {
        if (IsWindow(handle)) DestroyWindow(handle);
    }
    HWND child(int id) const { return GetDlgItem(handle, id); }
    std::wstring text(int id) const {
        HWND control = child(id);
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    RECT rectOf(int id) const {
        RECT rect{};
        GetWindowRect(child(id), &rect);
        MapWindowPoints(nullptr, handle, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
};

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::vector<std::wstring> splitLines(const std::wstring& text, const std::wstring& end) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t at; (at = text.find(end, start)) != std::wstring::npos; start = at + end.size())
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

const auto kNoConsole = [] { return false; };

struct {
    HWND window;
    bool happened;
} g_closeLate;

void CALLBACK closeLate(HWND, UINT, UINT_PTR, DWORD) {
    g_closeLate.happened = true;
    DestroyWindow(g_closeLate.window);
}

} // namespace

TEST_CASE("the window shows the console's report and saves it beside the skin") {
    ScratchFolder folder;
    const fs::path skin = folder.write("newsroom.ini",
                                       "[Hueloom]\r\nName=Newsroom\r\nMode=Dark\r\nControlBak=#111111\r\n"
                                       "Accent=#FF6F3C\r\n[Objects]\r\nBanner=Evening edition\r\n");
    const std::vector<CommandArgument> files = {{L"newsroom.ini", skin}, {L"absent.ini", folder.path / "absent.ini"}};
    const CheckRun console = runCheck(files);
    REQUIRE(console.exitCode == kExitUnreadable);

    const LaunchPlan plan = planLaunch(files, kNoConsole);
    REQUIRE(plan.window);
    OpenWindow window(windowReport(plan, folder.path));
    REQUIRE(window.handle);
    CHECK(IsWindowVisible(window.handle));

    // Line for line what the console prints.
    const std::vector<std::wstring> shown = splitLines(window.text(kReportTextId), L"\r\n");
    const std::vector<std::wstring> printed = splitLines(decodeUtf8(console.out), L"\n");
    CHECK(shown.size() == printed.size());
    CHECK(shown == printed);
    CHECK((GetWindowLongW(window.child(kReportTextId), GWL_STYLE) & ES_READONLY) != 0);

    // Save writes the readable skin's report, as "skin_check newsroom.ini" prints it.
    HWND save = window.child(kSaveButtonId);
    REQUIRE(IsWindowEnabled(save));
    SendMessageW(save, BM_CLICK, 0, 0);
    const fs::path saved = folder.path / "newsroom.report.txt";
    CHECK(window.text(kStatusLineId) == L"Saved " + saved.wstring());
    const std::string file = readFile(saved);
    CHECK(file.rfind("\xEF\xBB\xBF", 0) == 0);
    CHECK(splitLines(decodeUtf8(file.substr(3)), L"\r\n") ==
          splitLines(decodeUtf8(runCheck({files[0]}).out), L"\n"));
    CHECK_FALSE(fs::exists(folder.path / "absent.report.txt"));
}

TEST_CASE("the window keeps the report above the buttons as it is resized") {
    ScratchFolder folder;
    OpenWindow window(windowReport(planLaunch({}, kNoConsole), folder.path));
    REQUIRE(window.handle);
    // No skin beside it: the advice, and nothing to save.
    CHECK(window.text(kReportTextId).rfind(L"No skin files to check.", 0) == 0);
    CHECK_FALSE(IsWindowEnabled(window.child(kSaveButtonId)));

    for (const SIZE size : {SIZE{900, 700}, SIZE{500, 300}}) {
        SetWindowPos(window.handle, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        RECT client{};
        GetClientRect(window.handle, &client);
        const RECT text = window.rectOf(kReportTextId), save = window.rectOf(kSaveButtonId),
                   close = window.rectOf(kCloseButtonId), status = window.rectOf(kStatusLineId);
        CAPTURE(size.cx);
        CHECK(text.left == 0);
        CHECK(text.right == client.right);
        CHECK(text.bottom <= save.top);
        CHECK(close.right < client.right);
        CHECK(close.bottom < client.bottom);
        CHECK(save.right < close.left);
        CHECK(status.right < save.left);
        CHECK(save.top == close.top);
    }
    // Never smaller than the buttons and some report need.
    SetWindowPos(window.handle, nullptr, 0, 0, 100, 80, SWP_NOMOVE | SWP_NOZORDER);
    RECT outer{};
    GetWindowRect(window.handle, &outer);
    CHECK(outer.right - outer.left >= 400);
    CHECK(outer.bottom - outer.top >= 200);
}

TEST_CASE("Esc closes the window and ends its message loop") {
    ScratchFolder folder;
    const fs::path skin = folder.write("paper.ini", "[Hueloom]\nMode=Light\n");
    OpenWindow window(windowReport(planLaunch({{L"paper.ini", skin}}, kNoConsole), folder.path));
    REQUIRE(window.handle);
    pump();
    // Should Esc fail, a timer closes the window, so the test fails instead of hanging.
    g_closeLate = {window.handle, false};
    const UINT_PTR timer = SetTimer(nullptr, 0, 5000, closeLate);
    PostMessageW(window.child(kReportTextId), WM_KEYDOWN, VK_ESCAPE, 0);
    runUntilClosed(window.handle);
    KillTimer(nullptr, timer);
    CHECK_FALSE(IsWindow(window.handle));
    CHECK_FALSE(g_closeLate.happened);
}
