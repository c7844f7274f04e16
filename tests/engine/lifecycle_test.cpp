// What the host sees of the plug-in: registration, identity texts, host messages and the
// answers of the entry points before and after shutdown.
#include <doctest.h>

#include <string>
#include <vector>

#include "common/version.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "fixtures.h"
#include "overlay/overlay_binding.h"
#include "paint/theme_brushes.h"
#include "platform/heap_block.h"
#include "platform/process_lifetime.h"
#include "plugin/entry_points.h"
#include "plugin/lifecycle.h"
#include "support/test_seam.h"

using namespace hueloom;
using testing::FakeHost;

namespace {

struct Registration {
    int32_t number;
    std::string name, hint;
    std::vector<unsigned char> types;
    int32_t fifth;
    int32_t count;
};
std::vector<Registration> g_registrations;
std::vector<void*> g_registeredBlocks;

void WINAPI recordRegistration(int32_t number, char* name, char* hint, unsigned char* types,
                               int32_t fifth, int32_t count) {
    g_registrations.push_back({number, name, hint, std::vector<unsigned char>(types, types + 33), fifth, count});
    // Like the host, copy the texts and free nothing: the plug-in frees them.
    g_registeredBlocks.push_back(name);
    g_registeredBlocks.push_back(hint);
}

std::string take(char* block) {
    std::string text = block ? block : "";
    if (block) GlobalFree(block);
    return text;
}

} // namespace

TEST_CASE("registration: sixteen actions in table order with their parameter types") {
    testing::TestSeam seam;
    testing::resetPlugin();
    g_registrations.clear();
    nbRegisterPlugIn(reinterpret_cast<void*>(recordRegistration), nullptr, nullptr, nullptr);
    const int32_t counts[] = {2, 1, 3, 2, 0, 1, 0, 0, 0, 0, 2, 0, 6, 4, 5, 1};
    const char* names[] = {"Hueloom_Apply",       "Hueloom_SetMode",     "Hueloom_SetColors",
                           "Hueloom_SetTitleBar", "Hueloom_Refresh",     "Hueloom_AutoRefresh",
                           "Hueloom_Reset",       "Hueloom_GetInfo",     "Hueloom_BeginUpdate",
                           "Hueloom_EndUpdate",   "Hueloom_SetAccent",   "Hueloom_ListWindows",
                           "Hueloom_BindTrack",   "Hueloom_BindCheck",   "Hueloom_BindRadio",
                           "Hueloom_Unbind"};
    REQUIRE(g_registrations.size() == 16);
    for (void* block : g_registeredBlocks) CHECK_FALSE(isLiveHeapBlock(block));
    g_registeredBlocks.clear();
    for (int i = 0; i < 16; ++i) {
        const Registration& r = g_registrations[static_cast<size_t>(i)];
        CAPTURE(i);
        CHECK(r.number == i + 1);
        CHECK(r.name == names[i]);
        CHECK(r.count == counts[i]);
        // The type list is a Delphi open array: its highest index comes before the count.
        CHECK(r.fifth == (counts[i] > 0 ? counts[i] - 1 : 0));
        CHECK_FALSE(r.hint.empty());
        for (int b = 0; b < 33; ++b) CHECK(r.types[static_cast<size_t>(b)] == (b < counts[i] ? 1 : 0));
    }
    CHECK(g_registrations[13].hint ==
          "Overlay a VisualNEO CheckBox glyph: handle (GetObjectHandle), VarName (no brackets), [Var] value, back color");

    // Registering again repeats the sixteen calls; a null callback registers nothing but
    // still stores the other values.
    nbRegisterPlugIn(reinterpret_cast<void*>(recordRegistration), nullptr, nullptr, nullptr);
    CHECK(g_registrations.size() == 32);
    void* setter = reinterpret_cast<void*>(seam.host().setVariable);
    nbRegisterPlugIn(nullptr, reinterpret_cast<void*>(0x1234), nullptr, setter);
    CHECK(g_registrations.size() == 32);
    CHECK(seam.host().unusedValue == reinterpret_cast<void*>(0x1234));
    CHECK(reinterpret_cast<void*>(seam.host().setVariable) == setter);
    testing::resetPlugin();
}

TEST_CASE("identity texts, including null out-pointers") {
    char* title = nullptr;
    char* publisher = nullptr;
    char* hint = nullptr;
    HWND host = reinterpret_cast<HWND>(0x5678);
    CHECK(nbInitPlugIn(host, &title, &publisher, &hint) == 0);
    CHECK(hueloom::hostWindow() == host);
    CHECK(take(title) == "Hueloom");
    CHECK_FALSE(take(publisher).empty());
    CHECK(take(hint) == "Color themes with a Dark/Light base for VisualNEO applications (v" HUELOOM_VERSION_TEXT ")");

    char* description = nullptr;
    CHECK(nbGetPluginInfo(nullptr, &description, nullptr) == 0);
    CHECK(take(description) == "Dark/Light mode, control colors, title bar colors and .ini skins for VisualNEO Win");
    CHECK(nbInitPlugIn(host, nullptr, nullptr, nullptr) == 0);
    CHECK(nbInitialize(nullptr) == 0);
    CHECK(hueloom::hostWindow() == nullptr);
}

TEST_CASE("host message 1 records the top-level windows that exist before the publication") {
    HWND host = testing::createHostWindow();
    HWND earlier = CreateWindowExW(0, L"STATIC", L"earlier", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, nullptr, nullptr);
    testing::resetPlugin(host);
    nbMessage(1, 0);
    CHECK(hueloom::windowRegistry().preexistingWindows.contains(earlier));
    CHECK_FALSE(hueloom::windowRegistry().preexistingWindows.contains(host));
    DestroyWindow(earlier);
    nbMessage(1, 0);  // refilled from scratch
    CHECK_FALSE(hueloom::windowRegistry().preexistingWindows.contains(earlier));
    nbMessage(2, 0);
    CHECK(hueloom::windowRegistry().preexistingWindows.empty());
    nbMessage(99, 0);  // unknown codes do nothing
    DestroyWindow(host);
    testing::resetPlugin();
}

TEST_CASE("an owner chain counts as the host's only within 16 steps") {
    HWND host = testing::createHostWindow();
    testing::resetPlugin(host);
    std::vector<HWND> chain;
    HWND owner = host;
    for (int i = 0; i < 17; ++i) {
        owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
        chain.push_back(owner);
    }
    CHECK(isOwnedByHost(chain[0]));        // first owner is the host
    CHECK(isOwnedByHost(chain[15]));       // the host is the 16th owner
    CHECK_FALSE(isOwnedByHost(chain[16])); // the host would be the 17th owner
    CHECK_FALSE(isOwnedByHost(host));
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) DestroyWindow(*it);
    DestroyWindow(host);
    testing::resetPlugin();
}

TEST_CASE("action numbers outside 1 to 16 return 0 and touch no variable") {
    testing::resetPlugin();
    CHECK(testing::executeAction(0, {}) == 0);
    CHECK(testing::executeAction(17, {"Dark"}) == 0);
    CHECK(testing::executeAction(-1, {}) == 0);
    CHECK(FakeHost::current().sets.empty());
    CHECK(nbEditAction(0, nullptr) == 0);
    CHECK(nbEditAction(17, nullptr) == 0);
}

TEST_CASE("GetInfo right after load writes the defaults") {
    testing::TestSeam seam;
    testing::resetPlugin();
    CHECK(testing::executeAction(8, {}) == 1);
    const FakeHost& host = FakeHost::current();
    CHECK(host.var("[Skin.Mode]") == "System");
    CHECK(host.var("[Skin.ControlBack]") == "255,255,255");
    CHECK(host.var("[Skin.ControlText]") == "0,0,0");
    CHECK(host.var("[Skin.PageColor]") == "240,240,240");
    CHECK(host.var("[Skin.Accent]") == "61,100,249");
    CHECK(host.var("[Skin.Glyphs]") == "1");
    CHECK(host.has("[Skin.TitleBar]"));
    CHECK(host.var("[Skin.TitleBar]").empty());
    CHECK(host.var("[Skin.TitleText]").empty());
    CHECK(host.var("[Skin.AutoRefresh]") == "0");
    CHECK(host.var("[Skin.Version]") == HUELOOM_VERSION_TEXT);
    CHECK(host.lastError() == "OK");
    // The eight theme variables come in a fixed order after the six of GetInfo, the two
    // about Windows' colour settings last among those.
    REQUIRE(host.sets.size() == 15);
    CHECK(host.sets[4].first == "[Skin.SystemDark]");
    CHECK(host.sets[5].first == "[Skin.HighContrast]");
    CHECK(host.sets[6].first == "[Skin.Mode]");
    CHECK(host.sets[13].first == "[Skin.TitleText]");

    seam.host().setVariable = nullptr;
    CHECK(testing::executeAction(8, {}) == 1);
    testing::resetPlugin();
}

TEST_CASE("after detach has begun the plug-in answers nothing and calls no host") {
    testing::resetPlugin();
    hueloom::setShuttingDown(true);
    CHECK(testing::executeAction(8, {}) == 0);
    CHECK(testing::executeAction(2, {"Dark"}) == 0);
    nbMessage(2, 0);
    CHECK(FakeHost::current().sets.empty());
    testing::resetPlugin();
}

TEST_CASE("teardown empties every table without window calls and stops the timer flag") {
    testing::resetPlugin();
    hueloom::windowRegistry().themedControls.set(reinterpret_cast<HWND>(0x10), hueloom::ControlKind::Edit);
    hueloom::overlayState().bindings.set(reinterpret_cast<HWND>(0x20), {});
    hueloom::themeBrushes().control = CreateSolidBrush(RGB(1, 2, 3));
    pluginTeardown();
    CHECK(hueloom::shuttingDown());
    CHECK(hueloom::windowRegistry().themedControls.empty());
    CHECK(hueloom::overlayState().bindings.empty());
    CHECK(hueloom::themeBrushes().control == nullptr);
    testing::resetPlugin();
}
