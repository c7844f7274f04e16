// The host bridge must never fault on what the host hands over, and must hand texts to
// the host exactly as the system code page gives them.
#include <doctest.h>

#include <cstring>
#include <string>

#include "fixtures.h"
#include "plugin/host_bridge.h"
#include "platform/process_lifetime.h"
#include "support/test_seam.h"

using namespace hueloom;
using testing::FakeHost;

namespace {

// One committed page followed by a reserved page: the end of readable memory is known.
struct PagePair {
    char* base = nullptr;
    SYSTEM_INFO info{};
    PagePair() {
        GetSystemInfo(&info);
        base = static_cast<char*>(VirtualAlloc(nullptr, info.dwPageSize * 2, MEM_RESERVE, PAGE_NOACCESS));
        VirtualAlloc(base, info.dwPageSize, MEM_COMMIT, PAGE_READWRITE);
    }
    ~PagePair() { VirtualFree(base, 0, MEM_RELEASE); }
    size_t page() const { return info.dwPageSize; }
    char* reserved() const { return base + info.dwPageSize; }
    void protect(DWORD protection) {
        DWORD old = 0;
        VirtualProtect(base, info.dwPageSize, protection, &old);
    }
};

std::string hostText(char* block) {
    std::string text = block ? block : "";
    if (block) GlobalFree(block);
    return text;
}

intptr_t WINAPI readerFillingAndReturning(char*, char* value) {
    std::strcpy(value, "from buffer");
    static char elsewhere[] = "from address";
    return reinterpret_cast<intptr_t>(elsewhere);
}

char* g_returnedAddress = nullptr;
intptr_t WINAPI readerReturningAddress(char*, char*) { return reinterpret_cast<intptr_t>(g_returnedAddress); }

std::string g_nameSeen;
intptr_t WINAPI readerRecordingName(char* name, char*) {
    g_nameSeen = name;
    return 0;
}

} // namespace

TEST_CASE("getParam reads empty text from every kind of unreadable slot") {
    CHECK(HostBridge::getParam(nullptr, 0).empty());

    char text[] = "Dark";
    char* slots[] = {text, nullptr};
    CHECK(HostBridge::getParam(slots, 0) == L"Dark");
    CHECK(HostBridge::getParam(slots, 1).empty());

    PagePair pages;
    SUBCASE("slot in reserved, uncommitted memory") {
        CHECK(HostBridge::getParam(pages.reserved(), 0).empty());
    }
    SUBCASE("slot in a no-access page") {
        pages.protect(PAGE_NOACCESS);
        CHECK(HostBridge::getParam(pages.base, 0).empty());
    }
    SUBCASE("slot in a guard page") {
        pages.protect(PAGE_READWRITE | PAGE_GUARD);
        CHECK(HostBridge::getParam(pages.base, 0).empty());
    }
    SUBCASE("slot whose pointer crosses into reserved memory") {
        char* lastSlot = pages.base + pages.page() - sizeof(char*) / 2;
        CHECK(HostBridge::getParam(lastSlot, 0).empty());
    }
    SUBCASE("text pointer into no-access memory") {
        char* pointers[] = {pages.reserved()};
        CHECK(HostBridge::getParam(pointers, 0).empty());
    }
}

TEST_CASE("a host text without terminator is read only up to the end of readable memory") {
    PagePair pages;
    std::memset(pages.base, 'A', pages.page());
    char* slots[] = {pages.base};
    const std::wstring text = HostBridge::getParam(slots, 0);
    CHECK(text.size() == pages.page());
    CHECK(text.front() == L'A');
}

TEST_CASE("texts for the host are fresh ANSI blocks as the system code page gives them") {
    CHECK(hostText(HostBridge::toHostText(L"")).empty());
    CHECK(hostText(HostBridge::toHostText(L"OK - skin 'Midnight' applied")) == "OK - skin 'Midnight' applied");

    // A character the code page lacks arrives as the system replaces it.
    const std::wstring foreign = L"\u4E2D\u6587 \u2603";
    char expected[64] = {};
    WideCharToMultiByte(CP_ACP, 0, foreign.c_str(), -1, expected, sizeof expected, nullptr, nullptr);
    CHECK(hostText(HostBridge::toHostText(foreign)) == expected);

    char* out = nullptr;
    HostBridge::writeOut(&out, L"Hueloom");
    CHECK(hostText(out) == "Hueloom");
    HostBridge::writeOut(nullptr, L"nowhere");  // a null out-pointer receives nothing, no fault
}

TEST_CASE("putParam replaces the slot without touching the old text") {
    char old[] = "Dark";
    char* slots[] = {old};
    HostBridge::putParam(slots, 0, L"Light");
    CHECK(std::string(old) == "Dark");
    CHECK(hostText(slots[0]) == "Light");
    HostBridge::putParam(nullptr, 0, L"ignored");
}

TEST_CASE("variables cross to the host only while a callback exists and before shutdown") {
    testing::TestSeam seam;
    testing::resetPlugin();
    seam.host().setVariable = nullptr;
    HostBridge::setLastError(L"OK");  // no callback yet: nothing, no fault
    CHECK(FakeHost::current().sets.empty());

    FakeHost::current().install();
    HostBridge::setLastError(L"OK");
    CHECK(FakeHost::current().lastError() == "OK");

    hueloom::setShuttingDown(true);
    HostBridge::setVariable(L"[Skin.Mode]", L"Dark");
    HostBridge::goSub(L"GoSub \"Never\"");
    CHECK(HostBridge::getVariable(L"[Anything]").empty());
    CHECK(FakeHost::current().sets.size() == 1);
    CHECK(FakeHost::current().scriptLines.empty());
    testing::resetPlugin();
}

TEST_CASE("getVariable: name limit and the three ways a reader may answer") {
    testing::TestSeam seam;
    testing::resetPlugin();
    FakeHost& host = FakeHost::current();

    SUBCASE("copy into the buffer") {
        host.variables["[Choice]"] = "True";
        CHECK(HostBridge::getVariable(L"[Choice]") == L"True");
        CHECK(HostBridge::getVariable(L"[Missing]").empty());
    }
    SUBCASE("buffer wins over a returned address") {
        seam.host().getVariable = readerFillingAndReturning;
        CHECK(HostBridge::getVariable(L"[X]") == L"from buffer");
    }
    SUBCASE("returned address of a no-access page") {
        PagePair pages;
        g_returnedAddress = pages.reserved();
        seam.host().getVariable = readerReturningAddress;
        CHECK(HostBridge::getVariable(L"[X]").empty());
        pages.protect(PAGE_NOACCESS);
        g_returnedAddress = pages.base;
        CHECK(HostBridge::getVariable(L"[X]").empty());
    }
    SUBCASE("returned address of a readable text") {
        static char value[] = "42";
        g_returnedAddress = value;
        seam.host().getVariable = readerReturningAddress;
        CHECK(HostBridge::getVariable(L"[X]") == L"42");
    }
    SUBCASE("a 300-character name reaches the host cut to 255") {
        seam.host().getVariable = readerRecordingName;
        (void)HostBridge::getVariable(std::wstring(300, L'n'));
        CHECK(g_nameSeen == std::string(255, 'n'));
    }
    testing::resetPlugin();
}

TEST_CASE("in a multi-byte code page a long name is cut at a character boundary") {
    // 200 double-byte characters are 400 bytes in Shift-JIS: the cut keeps whole
    // characters and leaves room for the terminator in the 260-byte buffer.
    const std::wstring name(200, L'\u65E5');
    const std::string bytes = HostBridge::variableNameBytes(name, 932);
    CHECK(bytes.size() <= 259);
    CHECK(bytes.size() % 2 == 0);
    CHECK(bytes.size() >= 258);
    // A surrogate pair is never split at the 255-character cut.
    std::wstring pairs(254, L'a');
    pairs += L"\U0001F600";
    CHECK(HostBridge::variableNameBytes(pairs, CP_UTF8).size() == 254);
}

TEST_CASE("goSub hands one line to the script processor and runs it before returning") {
    testing::resetPlugin();
    bool ran = false;
    FakeHost::current().onScriptLine = [&](const std::string&) { ran = true; };
    HostBridge::goSub(L"GoSub \"SkinObjects\"");
    CHECK(ran);
    REQUIRE(FakeHost::current().scriptLines.size() == 1);
    CHECK(FakeHost::current().scriptLines[0] == "GoSub \"SkinObjects\"");
    testing::resetPlugin();
}

#if defined(__i386__)
namespace {
int g_cdeclCalls = 0;
intptr_t __cdecl readerLeavingArguments(char*, char* value) {
    ++g_cdeclCalls;
    std::strcpy(value, "kept");
    return 0;
}
intptr_t WINAPI readerRemovingArguments(char*, char* value) {
    std::strcpy(value, "removed");
    return 0;
}
uintptr_t stackPointer() {
    uintptr_t sp;
    __asm__ __volatile__("movl %%esp, %0" : "=r"(sp));
    return sp;
}
} // namespace

TEST_CASE("32-bit: the stack stays right whichever way the reader cleans up") {
    testing::TestSeam seam;
    testing::resetPlugin();
    const uintptr_t before = stackPointer();
    seam.host().getVariable = reinterpret_cast<GetVariableCallback>(readerLeavingArguments);
    for (int i = 0; i < 1000; ++i) REQUIRE(HostBridge::getVariable(L"[A]") == L"kept");
    seam.host().getVariable = readerRemovingArguments;
    for (int i = 0; i < 1000; ++i) REQUIRE(HostBridge::getVariable(L"[A]") == L"removed");
    CHECK(stackPointer() == before);
    CHECK(g_cdeclCalls == 1000);
    testing::resetPlugin();
}
#endif
