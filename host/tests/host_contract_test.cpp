// The host's side of the plug-in contract, checked against the fake plug-in: start-up
// order, identity texts, registrations, the parameter array, the four callbacks.
#include <doctest.h>

#include <cstring>

#include "fake_plugin.h"
#include "foreign_memory.h"
#include "host_callbacks.h"
#include "host_session.h"
#include "parameter_blocks.h"
#include "plugin_library.h"

using namespace standin;

TEST_CASE("start-up calls the entry points in the host's order and keeps what they give") {
    fake::startWithFake();
    const HostSession& state = session();
    const std::vector<std::string> order = {"nbInitialize", "nbInitPlugIn", "nbGetPluginInfo",
                                            "nbRegisterPlugIn", "nbRegisterScriptProcessor"};
    CHECK(fake::record().order == order);
    CHECK(fake::record().initializeWindow == state.publication.hostWindow());
    CHECK(fake::record().initPlugInWindow == state.publication.hostWindow());
    CHECK(fake::record().registerValue == kRegisterValue);
    CHECK(state.record.title == "Fake");
    CHECK(state.record.publisher == "Fakers");
    CHECK(state.record.infoTitle == "Fake info");
    CHECK(state.record.description == "Fake description");
    REQUIRE(state.record.registrations.size() == 4);
    const Registration& echo = state.record.registrations[0];
    CHECK(echo.number == fake::kEcho);
    CHECK(echo.name == "Fake_Echo");
    CHECK(echo.hint == "hint of Fake_Echo");
    CHECK(echo.count == 2);
    CHECK(typesText(echo).rfind("1,1,0,0,", 0) == 0);
    CHECK(state.outcome.failed == 0);
}

TEST_CASE("an action gets its parameters as texts, variables put in, and its result is kept") {
    fake::startWithFake();
    const fake::ScriptRun run = fake::runScript(
        "SetVar \"[Who]\" \"Ann\"\n"
        "Fake_Echo \"hi [Who]\" '[Who]'\n"
        "AssertResult 7\n"
        "AssertEq \"[Echo]\" 'hi Ann|[Who]'\n"
        "AssertEq \"[Host.LastResult]\" \"7\"\n"
        "Fake_Nothing\n"
        "AssertResult 1\n");
    REQUIRE(run.errors.empty());
    CHECK(run.flow == Flow::End);
    CHECK(session().outcome.assertions == 4);
    CHECK(session().outcome.failed == 0);
    // An action without parameters still gets an array address.
    CHECK_FALSE(fake::record().nullArray);
}

TEST_CASE("the script processor runs a GoSub nested inside the action") {
    fake::startWithFake();
    const fake::ScriptRun run = fake::runScript(
        "Fake_Run \"GoSub \"\"Inner\"\"\"\n"
        "AssertEq \"[Inner]\" \"ran\"\n"
        "AssertEq \"[Echo]\" \"a|b\"\n"
        "End\n"
        ":Inner\n"
        "SetVar \"[Inner]\" \"ran\"\n"
        "Fake_Echo \"a\" \"b\"\n"
        "Return\n");
    REQUIRE(run.errors.empty());
    CHECK(run.flow == Flow::End);
    CHECK(session().outcome.failed == 0);
    CHECK(session().outcome.assertions == 2);
}

TEST_CASE("End or an error inside a nested subroutine stops the whole script") {
    fake::startWithFake();
    SUBCASE("End") {
        const fake::ScriptRun run = fake::runScript(
            "Fake_Run \"GoSub 'Stop'\"\nSetVar \"[After]\" \"yes\"\nEnd\n"
            ":Stop\nEnd\n");
        CHECK(run.flow == Flow::End);
        CHECK_FALSE(session().outcome.scriptError);
    }
    SUBCASE("unknown label from the plug-in") {
        const fake::ScriptRun run =
            fake::runScript("Fake_Run \"GoSub 'Missing'\"\nSetVar \"[After]\" \"yes\"\n");
        CHECK(run.flow == Flow::Failed);
        CHECK(session().outcome.scriptError);
    }
    SUBCASE("a line the host cannot parse") {
        const fake::ScriptRun run = fake::runScript("Fake_Run 'Print \"open'\nSetVar \"[After]\" \"yes\"\n");
        CHECK(run.flow == Flow::Failed);
    }
    SUBCASE("Return handed over as a line") {
        const fake::ScriptRun run = fake::runScript("Fake_Run 'Return'\nSetVar \"[After]\" \"yes\"\n");
        CHECK(run.flow == Flow::Failed);
    }
    CHECK(session().variables.find("[After]") == nullptr);
}

TEST_CASE("endless recursion through subroutines is stopped, not a stack overflow") {
    fake::startWithFake();
    const fake::ScriptRun run =
        fake::runScript("GoSub \"Again\"\nEnd\n:Again\nFake_Run \"GoSub 'Again'\"\nReturn\n");
    CHECK(run.flow == Flow::Failed);
    CHECK(session().outcome.scriptError);
}

TEST_CASE("Exit ends the run, but never hides a failure") {
    fake::startWithFake();
    CHECK(fake::runScript("Exit 0\nSetVar \"[After]\" \"x\"").flow == Flow::Exit);
    CHECK(session().variables.find("[After]") == nullptr);
    CHECK(session().outcome.exitCode() == 0);
    fake::startWithFake();
    (void)fake::runScript("AssertEq \"a\" \"b\"\nExit 0");
    CHECK(session().outcome.exitCode() == kExitAssertionFailed);
    fake::startWithFake();
    (void)fake::runScript("Exit 5");
    CHECK(session().outcome.exitCode() == 5);
    session().outcome = Outcome{};
}

TEST_CASE("after FreePlugin, actions and messages are refused, not called") {
    fake::startWithFake();
    const fake::ScriptRun run = fake::runScript(
        "Fake_Echo \"a\" \"b\"\n"
        "FreePlugin\n"
        "Fake_Echo \"c\" \"d\"\n"
        "AssertResult 0\n"
        "AssertContains \"[Host.CallError]\" \"Fake_Echo was not called\"\n"
        "HostMessage 6\n");
    CHECK(run.flow == Flow::End);
    CHECK(fake::record().execParams.size() == 1);
    CHECK(fake::record().messages.empty());
    CHECK(session().outcome.failed == 0);
    CHECK_FALSE(session().outcome.scriptError);
}

TEST_CASE("EditAction shows what the plug-in's editor wrote into the slots") {
    fake::startWithFake();
    const fake::ScriptRun run = fake::runScript(
        "EditAction \"Fake_Echo\" \"one\" \"two\"\n"
        "AssertEq \"[Host.EditResult]\" \"1\"\n"
        "AssertEq \"[Host.Edit1]\" \"edited one\"\n"
        "AssertEq \"[Host.Edit2]\" \"two\"\n");
    CHECK(run.flow == Flow::End);
    CHECK(session().outcome.failed == 0);
    CHECK(fake::runScript("EditAction \"Fake_Echo\" \"one\"").flow == Flow::Failed);
    CHECK(fake::runScript("EditAction \"Fake_Missing\"").flow == Flow::Failed);
}

TEST_CASE("the copying reader fills the buffer, at most 4095 bytes and a terminator") {
    fake::startWithFake();
    std::vector<char> name(kNameBufferSize, '\0');
    std::vector<char> value(kValueBufferSize + 16, 'x');
    std::strcpy(name.data(), "[long]");
    session().variables.set("[Long]", std::string(5000, 'a'));
    value[0] = '\0';
    CHECK(readVariableCopying(name.data(), value.data()) == 0);
    CHECK(std::strlen(value.data()) == kValueBufferSize - 1);
    CHECK(value[kValueBufferSize] == 'x');  // nothing written past the buffer

    session().variables.set("[Empty]", "");
    for (const char* missing : {"[Empty]", "[Unknown]"}) {
        std::strcpy(name.data(), missing);
        value[0] = '\0';
        value[1] = 'q';
        CHECK(readVariableCopying(name.data(), value.data()) == 0);
        CHECK(value[0] == '\0');
        CHECK(value[1] == 'q');
    }
    CHECK(session().variables.value("[Host.ReadName]") == "[Unknown]");
}

TEST_CASE("the C-convention reader copies like the copying one") {
    fake::startWithFake();
    char name[kNameBufferSize] = "[Mode]";
    char value[kValueBufferSize] = {};
    session().variables.set("[mode]", "Dark");
    CHECK(readVariableCdecl(name, value) == 0);
    CHECK(std::string(value) == "Dark");
}

TEST_CASE("the address reader leaves the buffer alone and points at the host's copy") {
    fake::startWithFake(ReaderStyle::Address);
    char name[kNameBufferSize] = "[Mode]";
    char value[kValueBufferSize] = {};
    session().variables.set("[Mode]", "Light");
    const intptr_t address = readVariableByAddress(name, value);
    REQUIRE(address != 0);
    CHECK(std::string(reinterpret_cast<const char*>(address)) == "Light");
    CHECK(value[0] == '\0');
    std::strcpy(name, "[Nothing]");
    CHECK(readVariableByAddress(name, value) == 0);
}

TEST_CASE("the storing reader gives back the old pointer, stores a fresh text and flags a stale one") {
    fake::startWithFake();
    char name[kNameBufferSize] = "[Mode]";
    alignas(void*) char value[kValueBufferSize] = {};
    session().variables.set("[Mode]", "Dark");
    char*& slot = *reinterpret_cast<char**>(value);
    (void)readVariableStoring(name, value);
    REQUIRE(slot != nullptr);
    CHECK(std::string(slot) == "Dark");
    CHECK(isLiveHeapBlock(slot));
    // A plug-in that leaves the last text in the slot has it freed by the next read.
    char* first = slot;
    std::strcpy(name, "[Unknown]");
    (void)readVariableStoring(name, value);
    if (slot != first) CHECK_FALSE(isLiveHeapBlock(first));  // else the new text took its place
    REQUIRE(slot != nullptr);
    CHECK(std::string(slot).empty());  // an unknown variable is an empty text, still stored
    GlobalFree(slot);
    CHECK(session().outcome.failed == 0);
    // What the SDK's helper would hand to GlobalFree without being a block: reported.
    slot = reinterpret_cast<char*>(static_cast<uintptr_t>(0x00636261));
    {
        fake::QuietOutput quiet;
        (void)readVariableStoring(name, value);
    }
    CHECK(session().outcome.failed == 1);
    GlobalFree(slot);
    session().outcome = Outcome{};
}

TEST_CASE("each reader style answers the plug-in's read through the array it registered") {
    for (const ReaderStyle style : {ReaderStyle::Sdk, ReaderStyle::Copy, ReaderStyle::Address}) {
        fake::startWithFake(style);
        CHECK(fake::record().reader == variableReaderFor(style));
        const fake::ScriptRun run = fake::runScript(
            "SetVar \"[Colour]\" \"Red\"\n"
            "Fake_Read '[colour]'\n"
            "AssertEq \"[ReadBack]\" \"Red\"\n"
            "Fake_Read '[None]'\n"
            "AssertEq \"[ReadBack]\" \"\"\n"
            "AssertEq \"[Host.ReadCount]\" \"2\"\n");
        CHECK(run.flow == Flow::End);
        CHECK(session().outcome.failed == 0);
    }
}

TEST_CASE("a name buffer without a terminator in 260 bytes breaks the contract") {
    fake::startWithFake();
    std::vector<char> name(kNameBufferSize, 'n');
    char value[kValueBufferSize] = {};
    {
        fake::QuietOutput quiet;
        CHECK(readVariableCopying(name.data(), value) == 0);
    }
    CHECK(session().outcome.failed == 1);
    session().outcome = Outcome{};
}

TEST_CASE("the setter copies the plug-in's texts, frees none, and flags bad names and non-blocks") {
    fake::startWithFake();
    std::vector<char*> blocks = {newTextBlock("[Skin.LastError]"), newTextBlock("OK"), newTextBlock("Skin.Mode"),
                                 newTextBlock("Dark"), newTextBlock("lost")};
    static char notABlock[] = "[Skin.Mode]";
    {
        fake::QuietOutput quiet;
        CHECK(setVariableCallback(blocks[0], blocks[1]) == 0);
        CHECK(setVariableCallback(blocks[2], blocks[3]) == 0);  // no brackets
        CHECK(setVariableCallback(nullptr, blocks[4]) == 0);    // a null name
        CHECK(setVariableCallback(notABlock, blocks[1]) == 0);  // a name that is no block
    }
    CHECK(session().variables.value("[skin.lasterror]") == "OK");
    CHECK(session().outcome.failed == 3);
    // Each block is still the plug-in's: live until it frees it.
    for (char* block : blocks) {
        CHECK(isLiveHeapBlock(block));
        GlobalFree(block);
    }
    session().outcome = Outcome{};
}

TEST_CASE("a registration whose type array cannot be read is recorded as unreadable") {
    fake::startWithFake();
    void* page = VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS);
    char* name = newTextBlock("X_Bad");
    char* hint = newTextBlock("h");
    {
        fake::QuietOutput quiet;
        registerActionCallback(40, name, hint, static_cast<unsigned char*>(page), 0, 1);
    }
    VirtualFree(page, 0, MEM_RELEASE);
    CHECK(isLiveHeapBlock(name));  // copied, not freed: the plug-in frees it
    GlobalFree(name);
    GlobalFree(hint);
    REQUIRE(session().record.registrations.size() == 5);
    CHECK(typesText(session().record.registrations.back()) == "unreadable");
    CHECK(session().outcome.failed == 1);
    session().outcome = Outcome{};
}

TEST_CASE("parameter blocks: host texts, never a null array, new texts taken, old ones the plug-in's") {
    ParameterBlocks none({});
    CHECK(none.slots() != nullptr);
    CHECK(none.readBack().empty());

    ParameterBlocks blocks({"a", "", "kept"});
    REQUIRE(blocks.complete());
    CHECK(std::string(blocks.slots()[0]) == "a");
    CHECK(std::string(blocks.slots()[1]).empty());
    // An editor frees the old text of each slot it writes.
    GlobalFree(blocks.slots()[0]);
    blocks.slots()[0] = newTextBlock("new");
    GlobalFree(blocks.slots()[1]);
    blocks.slots()[1] = nullptr;
    char* kept = blocks.slots()[2];
    CHECK(blocks.readBack() == std::vector<std::string>{"new", "(null)", "kept"});
    const ParameterBlocks::Breaches clean = blocks.release();
    CHECK(clean.foreignBlocks == 0);
    CHECK(clean.freedByPlugin == 0);
    CHECK_FALSE(isLiveHeapBlock(kept));  // the host's own text went back
    CHECK(HeapValidate(GetProcessHeap(), 0, nullptr));

    static char notABlock[] = "static";
    ParameterBlocks foreign({"a", "b"});
    GlobalFree(foreign.slots()[0]);
    foreign.slots()[0] = notABlock;
    GlobalFree(foreign.slots()[1]);  // freed but left in its slot: the host still owned it
    const ParameterBlocks::Breaches broken = foreign.release();
    CHECK(broken.foreignBlocks == 1);
    CHECK(broken.freedByPlugin == 1);
    CHECK(HeapValidate(GetProcessHeap(), 0, nullptr));
}

TEST_CASE("a DLL that is missing or lacks exports is refused with a reason") {
    PluginLibrary missing;
    CHECK(missing.load(L"Z:\\no\\such\\plugin.dll")
              .find("cannot load plug-in 'Z:\\no\\such\\plugin.dll': error ") == 0);
    CHECK_FALSE(missing.usable());
    PluginLibrary wrong;
    const std::string problem = wrong.load(L"kernel32.dll");
    CHECK(problem.find("lacks the exports _nbInitialize, _nbInitPlugIn") != std::string::npos);
    CHECK(problem.find("_nbMessage") != std::string::npos);
    CHECK_FALSE(wrong.usable());
}
