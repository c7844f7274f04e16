// The probes a soak ends with, and the host's watch over the plug-in's conduct: windows left
// frozen, subclasses left behind, faults the system swallows, the 32-bit calling convention.
// clang-format off
#include <doctest.h>
#include <windows.h>
#include <commctrl.h>  // after windows.h
// clang-format on

#include "checked_call.h"
#include "fake_plugin.h"
#include "publication_fixture.h"
#include "fault_watch.h"
#include "hang_watch.h"
#include "host_session.h"
#include "message_pump.h"
#include "options.h"
#include "screenshot.h"
#include "text_util.h"
#include "window_census.h"

using namespace standin;
using namespace standin::testing;

namespace {

LRESULT CALLBACK passOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    return DefSubclassProc(window, message, wParam, lParam);
}

void CALLBACK faultingTimer(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    *static_cast<volatile int*>(nullptr) = 1;
}

}  // namespace

TEST_CASE("CountSubclassed counts the windows that carry a comctl32 subclass, until it is removed") {
    OpenPublication publication;
    REQUIRE(fake::runScript("CountSubclassed \"[Before]\"\n").errors.empty());
    HWND edit = named("Edit");
    HWND check = named("Check1");
    REQUIRE(SetWindowSubclass(edit, passOn, 7, 0));
    REQUIRE(SetWindowSubclass(edit, passOn, 8, 0));  // two on one window count once
    REQUIRE(SetWindowSubclass(check, passOn, 7, 0));
    (void)fake::runScript("CountSubclassed \"[During]\"\n");
    RemoveWindowSubclass(edit, passOn, 7);
    RemoveWindowSubclass(check, passOn, 7);
    (void)fake::runScript("CountSubclassed \"[OneLeft]\"\n");
    RemoveWindowSubclass(edit, passOn, 8);
    (void)fake::runScript("CountSubclassed \"[After]\"\n");
    const int before = std::stoi(variable("[Before]"));
    CHECK(std::stoi(variable("[During]")) == before + 2);
    CHECK(std::stoi(variable("[OneLeft]")) == before + 1);
    CHECK(std::stoi(variable("[After]")) == before);
}

TEST_CASE("CountFrozen finds windows the host showed that WM_SETREDRAW left without WS_VISIBLE") {
    OpenPublication publication;
    (void)fake::runScript("CountFrozen \"[Clean]\"\n");
    CHECK(variable("[Clean]") == "0");

    SendMessageW(named("Check1"), WM_SETREDRAW, FALSE, 0);
    SendMessageW(session().publication.currentPage(), WM_SETREDRAW, FALSE, 0);
    (void)fake::runScript("CountFrozen \"[Frozen]\"\n");
    CHECK(variable("[Frozen]") == "2");
    SendMessageW(named("Check1"), WM_SETREDRAW, TRUE, 0);
    SendMessageW(session().publication.currentPage(), WM_SETREDRAW, TRUE, 0);
    (void)fake::runScript("CountFrozen \"[Thawed]\"\n");
    CHECK(variable("[Thawed]") == "0");

    SUBCASE("windows the host hid itself are not counted") {
        const fake::ScriptRun run = fake::runScript(
            "Hide \"Memo\"\n"
            "NewPage \"P2\"\n"
            "OpenDialog \"D\"\n"
            "CountFrozen \"[Hidden]\"\n"
            "ShowPage \"P2\"\n"
            "CountFrozen \"[Swapped]\"\n"
            "Show \"Memo\"\n"
            "CountFrozen \"[Shown]\"\n");
        REQUIRE(run.errors.empty());
        CHECK(variable("[Hidden]") == "0");
        CHECK(variable("[Swapped]") == "0");
        CHECK(variable("[Shown]") == "0");
        SendMessageW(named("P2.Check"), WM_SETREDRAW, FALSE, 0);  // on a page shown by ShowPage
        SendMessageW(named("D"), WM_SETREDRAW, FALSE, 0);
        (void)fake::runScript("CountFrozen \"[Late]\"\n");
        CHECK(variable("[Late]") == "2");
        SendMessageW(named("P2.Check"), WM_SETREDRAW, TRUE, 0);
        SendMessageW(named("D"), WM_SETREDRAW, TRUE, 0);
    }
}

TEST_CASE("ClosePage destroys a page that is not shown, never the current one") {
    OpenPublication publication;
    const fake::ScriptRun run = fake::runScript(
        "NewPage \"P2\"\n"
        "ClosePage \"P2\"\n"
        "CountWindows \"StandinPage\" \"[Pages]\"\n"
        "ClosePage \"Page1\"\n");
    REQUIRE(run.errors.empty());
    CHECK(run.flow == Flow::Failed);  // the current page stays
    CHECK(variable("[Pages]") == "1");
    CHECK(session().publication.find("P2.Edit") == nullptr);
    CHECK(session().publication.find("Page1") != nullptr);
}

TEST_CASE("ModuleLoaded tells whether a DLL is mapped in the process") {
    fake::startWithFake();
    REQUIRE(fake::runScript("ModuleLoaded \"kernel32.dll\" \"[K]\"\n"
                            "ModuleLoaded \"no-such-module.dll\" \"[N]\"\n"
                            "ModuleLoaded \"\" \"[E]\"\n")
                .errors.empty());
    CHECK(variable("[K]") == "1");
    CHECK(variable("[N]") == "0");
    CHECK(variable("[E]") == "0");
}

TEST_CASE("export ordinals are written #N, from 1 to 65535") {
    CHECK(parseOrdinal("#1") == uint16_t{1});
    CHECK(parseOrdinal("#65535") == uint16_t{65535});
    for (const char* text : {"#0", "#65536", "#", "1", "#1a", "# 1", "#-1", "_nbExecAction", ""})
        CHECK_MESSAGE(!parseOrdinal(text), text);
}

TEST_CASE("ExportAddress without a loaded DLL is refused and gives 0") {
    fake::startWithFake();  // entry points adopted, no module
    const fake::ScriptRun run = fake::runScript("ExportAddress \"#6\" \"[A]\"\n");
    REQUIRE(run.errors.empty());
    CHECK(run.flow == Flow::End);
    CHECK(variable("[A]") == "0");
    CHECK(variable("[Host.CallError]").find("ExportAddress #6") != std::string::npos);
}

TEST_CASE("a fault the system swallows in a timer callback is reported and fails the run") {
    fake::startWithFake();
    watchForFaults();
    (void)reportNewFaults("before");
    HostSession& state = session();
    REQUIRE(SetTimer(state.publication.hostWindow(), 0x5EED, 1, faultingTimer));
    pumpMessages(100);
    CHECK(IsWindow(state.publication.hostWindow()));  // the process went on
    int reported = 0;
    {
        fake::QuietOutput quiet;
        reported = reportNewFaults("test");
    }
    CHECK(reported == 1);
    CHECK(state.outcome.swallowedFaults == 1);
    CHECK(state.outcome.exitCode() == kExitCrashed);
    CHECK(reportNewFaults("again") == 0);
    state.outcome = Outcome{};
}

TEST_CASE("a breach of the calling convention is described by what moved") {
    CHECK(describeBreach(ConventionReport{}).empty());
    CHECK(describeBreach(ConventionReport{-8, 0}) == "moved the stack pointer by -8 bytes");
    CHECK(describeBreach(ConventionReport{0, kChangedEbx | kChangedEbp}) == "changed EBX, changed EBP");
    CHECK(describeBreach(ConventionReport{4, kChangedEdi}) ==
          "moved the stack pointer by 4 bytes, changed EDI");
}

#if defined(__i386__)
namespace {

int32_t WINAPI keepsTheRules(int32_t a, int32_t b) {
    return a - b;
}
int32_t __cdecl leavesItsArguments(int32_t a, int32_t b) {
    return a + b;
}
// Returns with EBX and ESI changed, as a broken thunk in a plug-in might.
extern "C" __attribute__((naked)) int32_t WINAPI standin_test_clobbers(int32_t) {
    __asm__("movl $1, %ebx\n\tmovl $2, %esi\n\tmovl $42, %eax\n\tret $4\n");
}

}  // namespace

TEST_CASE("32-bit calls into the plug-in check the stack pointer and the callee-saved registers") {
    session().outcome = Outcome{};
    fake::QuietOutput quiet;
    CHECK(callPlugin("keepsTheRules", keepsTheRules, 50, 8) == 42);
    CHECK(session().outcome.failed == 0);

    // Declared as the host expects, though it leaves its two arguments on the stack.
    auto misdeclared =
        reinterpret_cast<int32_t(WINAPI*)(int32_t, int32_t)>(reinterpret_cast<void*>(&leavesItsArguments));
    for (int i = 0; i < 100; ++i) CHECK(callPlugin("leavesItsArguments", misdeclared, 40, 2) == 42);
    CHECK(session().outcome.failed == 100);

    int32_t result = 0;
    ConventionReport report;
    const int32_t words[] = {5};
    REQUIRE(callCheckingConvention(reinterpret_cast<const void*>(&standin_test_clobbers), 1, words, result,
                                   report));
    CHECK(result == 42);
    CHECK(report.stackMoved == 0);
    CHECK(report.registersChanged == (kChangedEbx | kChangedEsi));
    session().outcome = Outcome{};
}
#endif

TEST_CASE("a colour to count is R,G,B with parts from 0 to 255") {
    CHECK(parseRgb("0,0,0") == std::array<uint8_t, 3>{0, 0, 0});
    CHECK(parseRgb(" 61 , 100 ,249") == std::array<uint8_t, 3>{61, 100, 249});
    for (const char* text :
         {"", "1,2", "1,2,3,4", "256,0,0", "-1,0,0", "a,b,c", "1,,3", "1000,0,0", "#FFFFFF"})
        CHECK_MESSAGE(!parseRgb(text), text);
}

TEST_CASE("CountColour counts the pixels of one colour that a window shows") {
    OpenPublication publication;
    HWND label = named("Label1");
    const COLORREF corner = screenPixel(label, POINT{0, 0});  // the background around the text
    const std::string rgb = std::to_string(GetRValue(corner)) + "," + std::to_string(GetGValue(corner)) +
                            "," + std::to_string(GetBValue(corner));
    const fake::ScriptRun run = fake::runScript("CountColour \"Label1\" \"" + rgb +
                                                "\" \"[Face]\"\n"
                                                "CountColour \"Label1\" \"1,2,3\" \"[None]\"\n");
    REQUIRE(run.errors.empty());
    RECT client{};
    GetClientRect(label, &client);
    const int face = std::stoi(variable("[Face]"));
    CHECK(face > client.right * client.bottom / 2);
    CHECK(face < client.right * client.bottom);  // the text is in another colour
    CHECK(variable("[None]") == "0");
}
TEST_CASE("the hang limit is whole seconds; 0 switches the watch off") {
    const auto parse = [](std::vector<std::wstring> arguments) {
        arguments.insert(arguments.begin(), {L"--plugin", L"x.dll"});
        return parseOptions(arguments);
    };
    CHECK(parse({}).options.hangLimitSeconds == kDefaultHangLimitSeconds);
    CHECK(parse({L"--hang-limit", L"0"}).options.hangLimitSeconds == 0);
    CHECK(parse({L"--hang-limit", L"1200", L"a.hls"}).options.hangLimitSeconds == 1200);
    for (const wchar_t* bad : {L"-1", L"", L"1.5", L"86401", L"ten"})
        CHECK_FALSE(parse({L"--hang-limit", bad}).error.empty());
}

TEST_CASE("GDI objects are counted by type, and GdiFree can count one type as free") {
    const int before = countGdiObjectsOfType("BITMAP");
    HBITMAP bitmaps[3] = {CreateBitmap(4, 4, 1, 32, nullptr), CreateBitmap(4, 4, 1, 32, nullptr),
                          CreateBitmap(4, 4, 1, 32, nullptr)};
    CHECK(countGdiObjectsOfType("BITMAP") == before + 3);
    CHECK(gdiObjectsByType().find("BITMAP " + std::to_string(before + 3)) != std::string::npos);
    CHECK(countGdiObjectsOfType("NO SUCH TYPE") == 0);

    fake::startWithFake();
    (void)fake::runScript("GdiFree \"[Plain]\"\nGdiFree \"[Beside]\" \"BITMAP\"\n");
    for (HBITMAP bitmap : bitmaps) DeleteObject(bitmap);
    (void)fake::runScript("GdiFree \"[PlainAfter]\"\nGdiFree \"[BesideAfter]\" \"BITMAP\"\n");
    CHECK(std::stoi(variable("[PlainAfter]")) == std::stoi(variable("[Plain]")) + 3);
    CHECK(variable("[BesideAfter]") == variable("[Beside]"));
}
