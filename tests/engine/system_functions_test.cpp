// Run-time resolution of system functions: one attempt per process, the dark-mode ordinals
// only on builds that ship them and only as a complete set, and the cached build number.
#include <doctest.h>

#include <vector>

#include "fixtures.h"
#include "platform/dark_mode_ordinals.h"
#include "platform/system_functions.h"
#include "support/test_seam.h"

using namespace hueloom;

namespace {

// Answers ordinal lookups from a chosen set, recording what was asked.
struct OrdinalExports {
    std::vector<WORD> present;
    std::vector<WORD> asked;
    std::vector<const char*> byName;
};
OrdinalExports g_exports;

void WINAPI dummyExport() {}

FARPROC WINAPI fakeGetProcAddress(HMODULE, LPCSTR name) {
    if (!IS_INTRESOURCE(name)) {
        g_exports.byName.push_back(name);
        return nullptr;
    }
    const WORD ordinal = static_cast<WORD>(reinterpret_cast<uintptr_t>(name));
    g_exports.asked.push_back(ordinal);
    for (WORD p : g_exports.present)
        if (p == ordinal) return reinterpret_cast<FARPROC>(dummyExport);
    return nullptr;
}

// A table as the loader leaves it just before the ordinals, with a fake lookup.
void prepareOrdinalLookup(int build, std::vector<WORD> present) {
    testing::resetPlugin();
    g_exports = OrdinalExports{};
    g_exports.present = std::move(present);
    SystemFunctions& system = testing::TestSeam::system();
    system.uxtheme = GetModuleHandleW(nullptr);  // any module: the fake ignores it
    system.getProcAddress = fakeGetProcAddress;
    system.buildCache = build;
}

int resolvedOrdinalCount() {
    const SystemFunctions& s = testing::TestSeam::system();
    return (s.allowDarkModeForWindow != nullptr) + (s.setPreferredAppMode != nullptr) +
           (s.flushMenuThemes != nullptr) + (s.refreshImmersiveColorPolicyState != nullptr);
}

} // namespace

TEST_CASE("dark-mode ordinals are asked for only from build 17763 on, and only as numbers") {
    testing::TestSeam seam;
    prepareOrdinalLookup(17762, {133, 135, 136, 104});
    resolveDarkModeOrdinals();
    CHECK(g_exports.asked.empty());
    CHECK(resolvedOrdinalCount() == 0);

    prepareOrdinalLookup(17763, {133, 135, 136, 104});
    resolveDarkModeOrdinals();
    CHECK(g_exports.asked == std::vector<WORD>{133, 135, 136, 104});
    CHECK(g_exports.byName.empty());
    CHECK(resolvedOrdinalCount() == 4);

    // Without the separately resolved lookup nothing is asked, whatever the build.
    prepareOrdinalLookup(22631, {133, 135, 136, 104});
    seam.system().getProcAddress = nullptr;
    resolveDarkModeOrdinals();
    CHECK(resolvedOrdinalCount() == 0);
    testing::resetPlugin();
}

TEST_CASE("an incomplete set of dark-mode ordinals counts as none at all") {
    testing::TestSeam seam;
    // Wine: an unrelated export under 104 and nothing under 133, 135, 136.
    prepareOrdinalLookup(19045, {104});
    resolveDarkModeOrdinals();
    CHECK(resolvedOrdinalCount() == 0);

    // Any one of the three missing is enough.
    for (WORD missing : {WORD{133}, WORD{135}, WORD{136}}) {
        CAPTURE(missing);
        std::vector<WORD> present{133, 135, 136, 104};
        std::erase(present, missing);
        prepareOrdinalLookup(19045, present);
        resolveDarkModeOrdinals();
        CHECK(resolvedOrdinalCount() == 0);
    }

    // 104 itself is optional: the other three suffice, and 104 stays null.
    prepareOrdinalLookup(19045, {133, 135, 136});
    resolveDarkModeOrdinals();
    CHECK(resolvedOrdinalCount() == 3);
    CHECK((seam.system().refreshImmersiveColorPolicyState == nullptr));
    testing::resetPlugin();
}

TEST_CASE("the loader resolves the named functions once per process") {
    testing::TestSeam seam;
    testing::resetPlugin();
    seam.setWindowsBuild(7601);
    loadSystemFunctions();
    const SystemFunctions& system = testing::TestSeam::system();
    CHECK(system.loaded);
    CHECK((system.getProcAddress != nullptr));
    CHECK((system.realGetWindowClassW != nullptr));
    CHECK((system.setWindowTheme != nullptr));
    CHECK((system.setWindowSubclass != nullptr));
    CHECK((system.removeWindowSubclass != nullptr));
    CHECK((system.defSubclassProc != nullptr));
    CHECK(resolvedOrdinalCount() == 0);  // old build

    // A second call tries nothing again.
    seam.system().setWindowTheme = nullptr;
    loadSystemFunctions();
    CHECK((seam.system().setWindowTheme == nullptr));

    // Forgetting the modules keeps the functions (the libraries stay loaded).
    forgetSystemModules();
    CHECK(system.uxtheme == nullptr);
    CHECK(system.comctl32 == nullptr);
    CHECK((system.defSubclassProc != nullptr));
    testing::resetPlugin();
}

TEST_CASE("under Wine reporting Windows 10 the real uxtheme gives no ordinal to call") {
    testing::TestSeam seam;
    testing::resetPlugin();
    seam.setWindowsBuild(19045);
    loadSystemFunctions();
    CHECK((seam.system().getProcAddress != nullptr));
    CHECK((seam.system().setWindowTheme != nullptr));
    // Wine's uxtheme lacks 133, 135 and 136, so its export under 104 must not be kept.
    CHECK(resolvedOrdinalCount() == 0);
    testing::resetPlugin();
}

TEST_CASE("the Windows build is asked once and cached, failures included") {
    testing::TestSeam seam;
    testing::resetPlugin();
    REQUIRE(seam.system().buildCache == -1);
    const int32_t build = windowsBuild();
    CHECK(build > 0);
    CHECK(seam.system().buildCache == build);

    seam.setWindowsBuild(12345);  // a second call must not ask the system again
    CHECK(windowsBuild() == 12345);
    seam.setWindowsBuild(0);  // an earlier failure stays a failure
    CHECK(windowsBuild() == 0);
    CHECK_FALSE(darkModeSupported());

    seam.setWindowsBuild(17762);
    CHECK_FALSE(darkModeSupported());
    seam.setWindowsBuild(17763);
    CHECK(darkModeSupported());
    testing::resetPlugin();
}
