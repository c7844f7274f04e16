// The host bridge must never fault on what the host hands over, and must hand texts to
// the host exactly as the system code page gives them.
#include <doctest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fixtures.h"
#include "platform/heap_block.h"
#include "platform/process_lifetime.h"
#include "plugin/entry_points.h"
#include "plugin/host_bridge.h"
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

TEST_CASE("putParam frees the host's old text and leaves anything else alone") {
    // The host reads the array afterwards and frees nothing of the old texts.
    auto* given = static_cast<char*>(GlobalAlloc(GPTR, 8));
    std::strcpy(given, "Dark");
    char notAHeapBlock[] = "Dark";
    char* slots[] = {given, notAHeapBlock, nullptr};
    HostBridge::putParam(slots, 0, L"Light");
    const bool givenStillLive = isLiveHeapBlock(given);
    CHECK_FALSE(givenStillLive);
    HostBridge::putParam(slots, 1, L"System");
    CHECK(std::string(notAHeapBlock) == "Dark");
    HostBridge::putParam(slots, 2, L"On");
    // Writing a slot twice frees the plug-in's own first text.
    char* first = slots[2];
    HostBridge::putParam(slots, 2, L"Off");
    const bool firstStillLive = isLiveHeapBlock(first);
    CHECK_FALSE(firstStillLive);
    CHECK(hostText(slots[0]) == "Light");
    CHECK(hostText(slots[1]) == "System");
    CHECK(hostText(slots[2]) == "Off");
    HostBridge::putParam(nullptr, 0, L"ignored");
    CHECK(HeapValidate(GetProcessHeap(), 0, nullptr));
}

namespace {
std::vector<void*> g_setBlocks;
bool g_setterFrees = false;
void WINAPI recordingSetter(char* name, char* value) {
    g_setBlocks.push_back(name);
    g_setBlocks.push_back(value);
    if (g_setterFrees) {
        GlobalFree(name);
        GlobalFree(value);
    }
}
} // namespace

TEST_CASE("a variable write frees both texts once the host has copied them") {
    testing::TestSeam seam;
    testing::resetPlugin();
    seam.host().setVariable = recordingSetter;
    g_setBlocks.clear();
    for (int i = 0; i < 50; ++i) HostBridge::setVariable(L"[Skin.Mode]", L"Dark");
    for (void* block : g_setBlocks) REQUIRE_FALSE(isLiveHeapBlock(block));

    // A host that frees the texts itself is not answered with a second free.
    g_setterFrees = true;
    for (int i = 0; i < 50; ++i) HostBridge::setLastError(L"OK");
    g_setterFrees = false;
    CHECK(HeapValidate(GetProcessHeap(), 0, nullptr));
    testing::resetPlugin();
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
        host.reader = testing::FakeReader::Copies;
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

TEST_CASE("a reader that stores a pointer: every length, fresh values, no leak, no stale pointer") {
    testing::resetPlugin();
    FakeHost& host = FakeHost::current();
    host.reader = testing::FakeReader::Stores;
    for (const size_t length : {size_t{1}, size_t{3}, size_t{4}, size_t{7}, size_t{8}, size_t{4095}}) {
        CAPTURE(length);
        const std::string value(length, 'v');
        host.variables["[Volume]"] = value;
        const size_t handedOver = host.storedTexts.size();
        CHECK(HostBridge::getVariable(L"[Volume]") == std::wstring(length, L'v'));
        REQUIRE(host.storedTexts.size() > handedOver);
        const bool stillLive = isLiveHeapBlock(host.storedTexts.back());
        CHECK_FALSE(stillLive);
    }
    // Values that change between reads are read afresh each time.
    for (const char* value : {"30", "31", "100", "", "-50"}) {
        host.variables["[Volume]"] = value;
        CHECK(HostBridge::getVariable(L"[Volume]") == std::wstring(value, value + std::strlen(value)));
    }
    // A value longer than the copying reader's buffer is cut where that one would be.
    host.variables["[Long]"] = std::string(5000, 'x');
    CHECK(HostBridge::getVariable(L"[Long]").size() == 4095);
    CHECK(host.slotsNotCleared == 0);
    for (void* text : host.storedTexts) CHECK_FALSE(isLiveHeapBlock(text));
    testing::resetPlugin();
}

namespace {
// A storing reader that stores nothing for an empty value and leaves a pointer-like
// number in the result register, as a procedure does.
char g_unrelatedText[] = "not the value";
intptr_t WINAPI readerStoringNothingWhenEmpty(char* name, char* valueBuffer) {
    const std::string value = FakeHost::current().var(name);
    char*& slot = *reinterpret_cast<char**>(valueBuffer);
    if (!value.empty()) {
        slot = static_cast<char*>(GlobalAlloc(GPTR, value.size() + 1));
        std::memcpy(slot, value.data(), value.size());
    }
    return reinterpret_cast<intptr_t>(g_unrelatedText);
}

// A live block whose address, read as bytes, is a text shorter than a pointer: non-zero
// bytes up to the first zero and only zeros after it.
void* blockThatLooksLikeText(std::vector<void*>& spares) {
    for (int attempt = 0; attempt < 4096; ++attempt) {
        void* block = GlobalAlloc(GPTR, 16 + static_cast<size_t>(attempt % 7) * 16);
        char bytes[sizeof(void*)];
        std::memcpy(bytes, &block, sizeof bytes);
        size_t i = 0;
        while (i < sizeof bytes && bytes[i] != 0) ++i;
        bool shaped = i > 0;
        for (size_t j = i; j < sizeof bytes; ++j) shaped = shaped && bytes[j] == 0;
        if (shaped) return block;
        spares.push_back(block);
    }
    return nullptr;
}
} // namespace

TEST_CASE("a copied value is never taken for a pointer, however much it looks like one") {
    testing::resetPlugin();
    std::vector<void*> spares;
    void* block = blockThatLooksLikeText(spares);
    REQUIRE(block != nullptr);
    char bytes[sizeof(void*) + 1] = {};
    std::memcpy(bytes, &block, sizeof(void*));
    // Up to the first zero byte: exactly the block's address.
    FakeHost& host = FakeHost::current();
    host.reader = testing::FakeReader::Copies;
    host.variables["[Looks]"] = bytes;
    const std::wstring expected = HostBridge::fromHostText(bytes);

    // The very first read after registration, and many after it.
    for (int i = 0; i < 20; ++i) REQUIRE(HostBridge::getVariable(L"[Looks]") == expected);
    const bool blockStillLive = isLiveHeapBlock(block);
    CHECK(blockStillLive);

    // A long value whose first bytes are an address overwrites the guard bytes behind them.
    const std::string longer = std::string(bytes) + "\x10\x20\x30\x40\x50\x60\x70\x7f tail";
    host.variables["[Looks]"] = longer;
    CHECK(HostBridge::getVariable(L"[Looks]") == HostBridge::fromHostText(longer.c_str()));
    CHECK(isLiveHeapBlock(block));
    GlobalFree(block);
    for (void* spare : spares) GlobalFree(spare);
    testing::resetPlugin();
}

TEST_CASE("a storing reader's result is ignored, and registering again settles the style anew") {
    testing::TestSeam seam;
    testing::resetPlugin();
    FakeHost& host = FakeHost::current();
    host.variables["[Size]"] = "Medium";
    // The probe finds a stored empty text: a storing reader.
    CHECK(HostBridge::getVariable(L"[Size]") == L"Medium");
    seam.host().getVariable = readerStoringNothingWhenEmpty;
    host.variables["[Size]"] = "";
    CHECK(HostBridge::getVariable(L"[Size]").empty());  // not the text the result points at

    // A new registration may bring a reader of the other kind.
    nbRegisterPlugIn(nullptr, nullptr, reinterpret_cast<void*>(readerReturningAddress), nullptr);
    static char value[] = "7";
    g_returnedAddress = value;
    CHECK(HostBridge::getVariable(L"[X]") == L"7");
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
    CHECK(g_cdeclCalls == 1001);  // and the one read that settles the reader's style
    testing::resetPlugin();
}
#endif
