// SetMode "Auto" against faked Windows colour settings: what it shows, how it follows a
// change of the dark setting (registry notification at the tick, or the broadcast), high
// contrast, what the other actions do while it follows, and what leaves it.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "engine/auto_refresh.h"
#include "engine/color_subclass.h"
#include "engine/registry.h"
#include "engine/settings_watch.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "overlay/overlay_binding.h"
#include "overlay/overlay_recolor.h"
#include "paint/theme_brushes.h"
#include "platform/subclass.h"
#include "plugin/entry_points.h"
#include "support/fault_injector.h"
#include "theme/theme_state.h"
#include "theme_test_support.h"
#include "windows_settings_fake.h"

using namespace hueloom;
using namespace testing;

namespace {

enum Action { Apply = 1, SetMode = 2, SetColors = 3, SetTitleBar = 4, Reset = 7, GetInfo = 8, SetAccent = 11 };

constexpr char kOwnColorsAnswer[] =
    "OK - high contrast is on: the theme's colors are shown instead of the user's high-contrast colors";
constexpr char kAutoInHighContrastAnswer[] =
    "OK - high contrast is on: Auto shows the stock Windows look until it is turned off";

ThemeState& theme() { return hueloom::currentTheme(); }

bool showsDarkPalette() {
    return theme().mode == Mode::Dark && theme().active && theme().controlBack == rgb(32, 32, 32) &&
           theme().pageBack == rgb(24, 24, 24);
}
bool showsLightPalette() {
    return theme().mode == Mode::Light && theme().active && theme().controlBack == rgb(255, 255, 255) &&
           theme().pageBack == rgb(240, 240, 240);
}
bool showsStockLook() { return theme().mode == Mode::System && !theme().active; }


bool hostSubclassed(HWND host) {
    return hasSubclass(host, settingChangeSubclassProc, idOf(SubclassId::SettingChange));
}

// A scene whose Windows asks for dark (or light) colours, with an edit control to theme.
struct AutoScene {
    EngineScene scene;
    FakeWindowsSettings& windows;
    HWND edit;
    explicit AutoScene(bool dark, int build = 19045)
        : scene(build), windows(FakeWindowsSettings::install()), edit(scene.child(WC_EDITW)) {
        windows.appsUseLightTheme = dark ? 0u : 1u;
    }
    [[nodiscard]] std::wstring editTheme() const { return SystemCallLog::current().lastThemeFor(edit); }
};

// Counts WM_SETREDRAW FALSE and TRUE reaching a top-level window: a freeze sends one of each.
struct RedrawCounter {
    static constexpr UINT_PTR kId = 0x5EDA;
    HWND window;
    int frozen = 0, thawed = 0;
    explicit RedrawCounter(HWND w) : window(w) { SetWindowSubclass(window, proc, kId, reinterpret_cast<DWORD_PTR>(this)); }
    ~RedrawCounter() { RemoveWindowSubclass(window, proc, kId); }
    static LRESULT CALLBACK proc(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
        if (message == WM_SETREDRAW) (wParam ? reinterpret_cast<RedrawCounter*>(self)->thawed
                                             : reinterpret_cast<RedrawCounter*>(self)->frozen) += 1;
        return DefSubclassProc(w, message, wParam, lParam);
    }
};

// Bytes in use in every heap of the process.
size_t heapBytesInUse() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    size_t bytes = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return bytes;
}

} // namespace

TEST_CASE("Auto shows the mode Windows asks for and says so in the variables") {
    SUBCASE("apps use light theme = 0: Dark, with the whole Dark palette") {
        AutoScene s(true);
        theme().titleBar = rgb(1, 2, 3);
        theme().accent = rgb(9, 9, 9);
        CHECK(executeAction(SetMode, {" AUTO "}) == 1);
        CHECK(host().lastError() == "OK");
        CHECK(showsDarkPalette());
        CHECK(theme().followsWindows);
        CHECK(theme().accent == rgb(61, 100, 249));     // entering Auto is a SetMode
        CHECK_FALSE(theme().titleBar.has_value());
        CHECK(s.editTheme() == L"DarkMode_Explorer");
        CHECK(SystemCallLog::current().preferredAppMode.back() == 2);
        CHECK(host().var("[Skin.Mode]") == "Auto");
        CHECK(host().var("[Skin.ControlBack]") == "32,32,32");
        CHECK(host().var("[Skin.SystemDark]") == "1");
        CHECK(host().var("[Skin.HighContrast]") == "0");
        CHECK(autoRefreshRunning());
        CHECK(hostSubclassed(s.scene.host()));
    }
    SUBCASE("any other value, no value or no key: Light") {
        AutoScene s(false);
        CHECK(executeAction(SetMode, {"auto"}) == 1);
        CHECK(showsLightPalette());
        CHECK(host().var("[Skin.SystemDark]") == "0");
        s.windows.appsUseLightTheme = 7;
        CHECK(executeAction(SetMode, {"Auto"}) == 1);
        CHECK(showsLightPalette());
        s.windows.appsUseLightTheme.reset();
        CHECK(executeAction(SetMode, {"Auto"}) == 1);
        CHECK(showsLightPalette());
        s.windows.keyExists = false;
        CHECK(executeAction(SetMode, {"Auto"}) == 1);
        CHECK(showsLightPalette());
        CHECK(host().var("[Skin.Mode]") == "Auto");
    }
    SUBCASE("without the registry functions at all (the seam's empty table): Light") {
        EngineScene scene(19045);
        CHECK(executeAction(SetMode, {"Auto"}) == 1);
        CHECK(showsLightPalette());
        CHECK(host().var("[Skin.SystemDark]") == "0");
        CHECK(host().var("[Skin.HighContrast]") == "0");
    }
    SUBCASE("a build without native dark mode gives SetMode's remark") {
        AutoScene s(true, 17134);
        CHECK(executeAction(SetMode, {"Auto"}) == 1);
        CHECK(host().lastError() == "OK - colors applied; native dark mode needs Windows 10 1809+ (build 17134)");
        CHECK(showsDarkPalette());
    }
    SUBCASE("words that are not Auto stay unknown, answered as before") {
        AutoScene s(true);
        CHECK(executeAction(SetMode, {"\tauto"}) == 0);
        CHECK(executeAction(SetMode, {"automatic"}) == 0);
        CHECK(host().lastError() == "Unknown mode 'automatic'. Use Dark, Light or System");
        CHECK_FALSE(theme().followsWindows);
        CHECK(showsStockLook());
    }
}

TEST_CASE("a change of the dark setting flips the publication at the next tick, as one freeze") {
    AutoScene s(true);
    REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
    REQUIRE(showsDarkPalette());
    RedrawCounter redraws(s.scene.host());  // the freeze holds top-level windows
    host().clear();

    s.windows.setAppsDark(false);  // the registry's notification, no broadcast
    CHECK(pumpUntil(showsLightPalette, 1000));
    CHECK(theme().followsWindows);
    CHECK(s.editTheme() == L"Explorer");
    CHECK(SystemCallLog::current().preferredAppMode.back() == 3);
    CHECK(redraws.frozen == 1);
    CHECK(redraws.thawed == 1);
    CHECK(windowRegistry().updateDepth == 0);
    // The variables follow, so a script's own colours can too.
    CHECK(host().var("[Skin.SystemDark]") == "0");
    CHECK(host().var("[Skin.Mode]") == "Auto");
    CHECK(host().var("[Skin.PageColor]") == "240,240,240");

    s.windows.setAppsDark(true);
    CHECK(pumpUntil(showsDarkPalette, 1000));
    CHECK(host().var("[Skin.SystemDark]") == "1");
    CHECK(redraws.frozen == 2);
    CHECK(redraws.thawed == 2);

    // A tick without a notification reads no value.
    const int reads = s.windows.valueReads;
    pumpMessages(600);
    CHECK(s.windows.valueReads == reads);
}

TEST_CASE("without GDI handles for the brushes Auto changes nothing, and a refused flip is made later") {
    AutoScene s(true);
    SUBCASE("entering Auto") {
        REQUIRE(executeAction(SetMode, {"Light"}) == 1);
        {
            FaultInjector injector;
            injector.failNext(FaultPoint::CreateSolidBrush, 1, 0);
            CHECK(executeAction(SetMode, {"Auto"}) == 0);
        }
        CHECK(host().lastError() == "Not enough GDI resources for the theme's brushes; nothing was changed");
        CHECK(showsLightPalette());
        CHECK_FALSE(theme().followsWindows);
        CHECK(windowRegistry().updateDepth == 0);
    }
    SUBCASE("a flip under Auto") {
        REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
        REQUIRE(showsDarkPalette());
        {
            FaultInjector injector;
            injector.failAlways(FaultPoint::CreateSolidBrush);
            s.windows.setAppsDark(false);
            pumpMessages(600);
            CHECK(showsDarkPalette());  // the old look, whole
            CHECK(windowRegistry().updateDepth == 0);
        }
        CHECK(host().var("[Skin.SystemDark]") == "0");
        // Nothing else changes in Windows: the next ticks try again.
        CHECK(pumpUntil(showsLightPalette, 1000));
        CHECK(theme().followsWindows);
    }
}

TEST_CASE("the setting-change broadcast flips at once, even with the timer off") {
    AutoScene s(false);
    REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
    REQUIRE(showsLightPalette());
    stopAutoRefresh();

    // The broadcast may arrive before the registry's notification: the value is read anew.
    s.windows.appsUseLightTheme = 0;
    sendImmersiveColorSetBroadcast(s.scene.host());
    CHECK_FALSE(showsDarkPalette());  // not inside the broadcast: its sender waits
    CHECK(pumpUntil(showsDarkPalette, 200));

    SUBCASE("other setting changes are not looked at") {
        s.windows.appsUseLightTheme = 1;
        SendMessageW(s.scene.host(), WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
        SendMessageW(s.scene.host(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Environment"));
        pumpMessages(100);
        CHECK(showsDarkPalette());
    }
    SUBCASE("several broadcasts in a row make one check") {
        s.windows.appsUseLightTheme = 1;
        const int reads = s.windows.valueReads;
        for (int i = 0; i < 5; ++i) sendImmersiveColorSetBroadcast(s.scene.host());
        CHECK(pumpUntil(showsLightPalette, 200));
        pumpMessages(50);
        CHECK(s.windows.valueReads == reads + 1);
    }
}

TEST_CASE("high contrast: Auto gives the stock look and comes back when it ends") {
    AutoScene s(true);
    SUBCASE("switched on while following") {
        REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
        host().clear();
        s.windows.setHighContrast(true);
        sendHighContrastBroadcast(s.scene.host());
        CHECK(pumpUntil(showsStockLook, 200));
        CHECK(theme().followsWindows);
        CHECK(s.editTheme() == L"<null>");
        CHECK_FALSE(hasSubclass(s.scene.host(), hueloom::colorSubclassProc, idOf(SubclassId::Color)));
        CHECK(host().var("[Skin.HighContrast]") == "1");
        CHECK(host().var("[Skin.Mode]") == "Auto");
        CHECK(host().var("[Skin.ControlBack]") == "255,255,255");
        // The timer keeps watching, without theming anything.
        CHECK(autoRefreshRunning());
        HWND late = s.scene.child(WC_EDITW);
        pumpMessages(400);
        CHECK_FALSE(isRegistered(late));

        // Off again, seen at a tick (no broadcast this time).
        s.windows.setHighContrast(false);
        CHECK(pumpUntil(showsDarkPalette, 1000));
        CHECK(isRegistered(late));
        CHECK(host().var("[Skin.HighContrast]") == "0");
        CHECK(host().var("[Skin.ControlBack]") == "32,32,32");
    }
    SUBCASE("on before Auto: the stock look at once, with the remark") {
        s.windows.setHighContrast(true);
        CHECK(executeAction(SetMode, {"Auto"}) == 1);
        CHECK(host().lastError() == kAutoInHighContrastAnswer);
        CHECK(showsStockLook());
        CHECK(host().var("[Skin.Mode]") == "Auto");
        CHECK(host().var("[Skin.HighContrast]") == "1");
        CHECK(autoRefreshRunning());
    }
    SUBCASE("a failed query counts as off") {
        s.windows.setHighContrast(true);
        s.windows.failHighContrastQuery = true;
        CHECK(executeAction(SetMode, {"Auto"}) == 1);
        CHECK(showsDarkPalette());
    }
}

TEST_CASE("high contrast: explicit modes, colours and skins stay, and say so") {
    AutoScene s(true);
    s.windows.setHighContrast(true);
    SUBCASE("Dark and Light") {
        CHECK(executeAction(SetMode, {"Dark"}) == 1);
        CHECK(host().lastError() == kOwnColorsAnswer);
        CHECK(showsDarkPalette());
        CHECK(executeAction(SetMode, {"Light"}) == 1);
        CHECK(showsLightPalette());
        CHECK(host().lastError() == kOwnColorsAnswer);
    }
    SUBCASE("with the remark of an old build first") {
        EngineScene old(17134, false);
        FakeWindowsSettings::install().setHighContrast(true);
        CHECK(executeAction(SetMode, {"Dark"}) == 1);
        CHECK(host().lastError() ==
              "OK - colors applied; native dark mode needs Windows 10 1809+ (build 17134); high contrast is on: "
              "the theme's colors are shown instead of the user's high-contrast colors");
    }
    SUBCASE("SetColors and SetAccent") {
        CHECK(executeAction(SetColors, {"#102030", "", ""}) == 1);
        CHECK(host().lastError() == kOwnColorsAnswer);
        CHECK(theme().controlBack == rgb(16, 32, 48));
        CHECK(executeAction(SetAccent, {"red", ""}) == 1);
        CHECK(host().lastError() == kOwnColorsAnswer);
    }
    SUBCASE("a change of high contrast leaves an explicit mode as it is") {
        s.windows.setHighContrast(false);
        REQUIRE(executeAction(SetMode, {"Light"}) == 1);
        REQUIRE(executeAction(GetInfo, {}) == 1);
        const ThemeSnapshot before = ThemeSnapshot::now();
        s.windows.setHighContrast(true);
        sendHighContrastBroadcast(s.scene.host());
        CHECK(pumpUntil([] { return host().var("[Skin.HighContrast]") == "1"; }, 200));
        CHECK(ThemeSnapshot::now() == before);
        CHECK(host().var("[Skin.Mode]") == "Light");
    }
    SUBCASE("Reset and System answer as always") {
        CHECK(executeAction(Reset, {}) == 1);
        CHECK(host().lastError() == "OK - Reset to Windows defaults");
        CHECK(executeAction(SetMode, {"System"}) == 1);
        CHECK(host().lastError() == "OK - Reset to Windows defaults");
    }
    SUBCASE("failures carry no remark") {
        CHECK(executeAction(SetColors, {"nope", "", ""}) == 0);
        CHECK(host().lastError() == "Bad color 'nope'");
    }
}

TEST_CASE("what the other actions do while Auto follows") {
    AutoScene s(true);
    REQUIRE(executeAction(SetMode, {"Auto"}) == 1);

    SUBCASE("SetAccent keeps Auto, and the author's accent survives a flip") {
        CHECK(executeAction(SetAccent, {"#FF8000", "off"}) == 1);
        CHECK(host().lastError() == "OK");
        CHECK(theme().followsWindows);
        s.windows.setAppsDark(false);
        CHECK(pumpUntil(showsLightPalette, 1000));
        CHECK(theme().accent == rgb(255, 128, 0));
        CHECK_FALSE(theme().glyphs);
    }
    SUBCASE("a default accent follows the mode") {
        s.windows.setAppsDark(false);
        CHECK(pumpUntil(showsLightPalette, 1000));
        CHECK(theme().accent == rgb(0, 120, 215));
    }
    SUBCASE("SetTitleBar keeps Auto, and its colours survive a flip") {
        CHECK(executeAction(SetTitleBar, {"#203040", "white"}) == 1);
        CHECK(theme().followsWindows);
        CHECK(host().var("[Skin.Mode]") == "Auto");
        s.windows.setAppsDark(false);
        CHECK(pumpUntil(showsLightPalette, 1000));
        CHECK(theme().titleBar == rgb(32, 48, 64));
        CHECK(theme().titleText == rgb(255, 255, 255));
    }
    SUBCASE("SetColors leaves Auto for the mode its colours imply") {
        CHECK(executeAction(SetColors, {"white", "black", ""}) == 1);
        CHECK_FALSE(theme().followsWindows);
        CHECK(theme().mode == Mode::Light);
        CHECK(host().var("[Skin.Mode]") == "Light");
        CHECK(theme().pageBack == rgb(24, 24, 24));  // the page colour stays as it was
    }
    SUBCASE("Apply leaves Auto for the skin's mode") {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        const std::wstring path = std::wstring(folder) + L"hueloom-auto-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        const char text[] = "[Hueloom]\r\nName=Paper\r\nMode=Light\r\n";
        DWORD written = 0;
        WriteFile(file, text, sizeof text - 1, &written, nullptr);
        CloseHandle(file);
        CHECK(runActionWide(Apply, {path, L""}) == 1);
        DeleteFileW(path.c_str());
        CHECK(host().lastError() == "OK - skin 'Paper' applied");
        CHECK_FALSE(theme().followsWindows);
        CHECK(host().var("[Skin.Mode]") == "Light");
        s.windows.setAppsDark(true);
        pumpMessages(400);
        CHECK(showsLightPalette());
    }
    SUBCASE("Dark, Light, System and Reset leave Auto; a later change shows nothing") {
        for (const char* word : {"Dark", "Light", "System"}) {
            CAPTURE(word);
            REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
            CHECK(executeAction(SetMode, {word}) == 1);
            CHECK_FALSE(theme().followsWindows);
            CHECK(host().var("[Skin.Mode]") == word);
        }
        REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
        CHECK(executeAction(Reset, {}) == 1);
        CHECK_FALSE(theme().followsWindows);
        // Reset leaves nothing of the plug-in on the host window.
        CHECK_FALSE(hostSubclassed(s.scene.host()));
        CHECK_FALSE(settingsWatchState().watching);
        s.windows.setAppsDark(false);
        sendImmersiveColorSetBroadcast(s.scene.host());
        pumpMessages(300);
        CHECK(showsStockLook());
    }
    SUBCASE("SetMode Dark keeps watching for the variables, without following") {
        REQUIRE(executeAction(SetMode, {"Dark"}) == 1);
        s.windows.setAppsDark(false);
        CHECK(pumpUntil([] { return host().var("[Skin.SystemDark]") == "0"; }, 1000));
        CHECK(showsDarkPalette());
        CHECK(host().var("[Skin.Mode]") == "Dark");
    }
}

TEST_CASE("high contrast while Auto follows: SetAccent and SetTitleBar wait for its end") {
    AutoScene s(true);
    s.windows.setHighContrast(true);
    REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
    REQUIRE(showsStockLook());
    CHECK(executeAction(SetAccent, {"#00A000", ""}) == 1);
    CHECK(host().lastError() == kAutoInHighContrastAnswer);
    CHECK(executeAction(SetTitleBar, {"#203040", ""}) == 1);
    CHECK(host().lastError() == "OK - caption colors need Windows 11 (build 22000+); immersive dark/light applied instead");
    CHECK(showsStockLook());
    CHECK(windowRegistry().themedControls.empty());
    CHECK(host().var("[Skin.Mode]") == "Auto");

    s.windows.setHighContrast(false);
    sendHighContrastBroadcast(s.scene.host());
    CHECK(pumpUntil(showsDarkPalette, 200));
    CHECK(theme().accent == rgb(0, 160, 0));
    CHECK(theme().titleBar == rgb(32, 48, 64));
}

TEST_CASE("GetInfo fills the two settings and keeps them current without any theme") {
    AutoScene s(false);
    CHECK(executeAction(GetInfo, {}) == 1);
    CHECK(host().var("[Skin.SystemDark]") == "0");
    CHECK(host().var("[Skin.HighContrast]") == "0");
    CHECK(host().var("[Skin.Mode]") == "System");
    CHECK_FALSE(autoRefreshRunning());

    host().clear();
    s.windows.appsUseLightTheme = 0;
    s.windows.setHighContrast(true);
    sendImmersiveColorSetBroadcast(s.scene.host());
    CHECK(pumpUntil([] { return host().var("[Skin.SystemDark]") == "1"; }, 200));
    CHECK(host().var("[Skin.HighContrast]") == "1");
    // Only the two: the theme did not change.
    CHECK(setNames() == std::vector<std::string>{"[Skin.SystemDark]", "[Skin.HighContrast]"});
    CHECK(showsStockLook());
}

TEST_CASE("the watch of the setting's key: a missing key watched through its parent, every key closed") {
    AutoScene s(true);
    SUBCASE("a key that appears later is read when its parent's notification fires") {
        s.windows.keyExists = false;
        REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
        REQUIRE(showsLightPalette());
        s.windows.keyExists = true;
        s.windows.setAppsDark(true);
        CHECK(pumpUntil(showsDarkPalette, 1000));
    }
    SUBCASE("Reset closes every key it opened") {
        REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
        s.windows.setAppsDark(false);
        CHECK(pumpUntil(showsLightPalette, 1000));
        CHECK(executeAction(Reset, {}) == 1);
        CHECK(s.windows.keysOpen == 0);
    }
}

TEST_CASE("host message 2 ends Auto and the watch") {
    AutoScene s(true);
    REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
    nbMessage(2, 0);
    CHECK_FALSE(theme().followsWindows);
    CHECK(showsStockLook());
    CHECK_FALSE(hostSubclassed(s.scene.host()));
    CHECK_FALSE(autoRefreshRunning());
    CHECK(s.windows.keysOpen == 0);
}

TEST_CASE("overlays whose back colour followed the page follow a live switch; others keep theirs") {
    AutoScene s(true);
    REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
    OverlayBinding following, own;
    following.backColor = theme().pageBack;
    own.backColor = rgb(200, 0, 0);
    HWND const followingKey = reinterpret_cast<HWND>(0x101), ownKey = reinterpret_cast<HWND>(0x102);
    overlayState().bindings.set(followingKey, following);
    overlayState().bindings.set(ownKey, own);
    s.windows.setAppsDark(false);
    CHECK(pumpUntil(showsLightPalette, 1000));
    CHECK(overlayState().bindings.find(followingKey)->backColor == rgb(240, 240, 240));
    CHECK(overlayState().bindings.find(ownKey)->backColor == rgb(200, 0, 0));
    overlayState().bindings.clear();
}

TEST_CASE("100 flips both ways: balanced freezes, GDI and heap flat") {
    AutoScene s(true);
    for (int i = 0; i < 6; ++i) s.scene.child(i % 2 ? WC_BUTTONW : WC_LISTBOXW, i % 2 ? BS_AUTOCHECKBOX : 0);
    REQUIRE(executeAction(SetMode, {"Auto"}) == 1);
    RedrawCounter redraws(s.scene.host());  // the freeze holds top-level windows
    const auto flip = [&](bool dark) {
        s.windows.setAppsDark(dark);
        sendImmersiveColorSetBroadcast(s.scene.host());
        return pumpUntil(dark ? showsDarkPalette : showsLightPalette, 500);
    };
    // The test's own recorders keep every call; they are emptied before each measurement.
    const auto heapOfPlugin = [] {
        host().sets.clear();
        host().sets.shrink_to_fit();
        SystemCallLog::current().clear();
        return heapBytesInUse();
    };
    // Warm up: Wine's own caches grow over the first dozen flips, then stay.
    for (int i = 0; i < 10; ++i) REQUIRE((flip(false) && flip(true)));
    const int gdiBefore = freeGdiHandles();
    const size_t heapBefore = heapOfPlugin();
    const int frozenBefore = redraws.frozen;
    int flipped = 0;
    for (int i = 0; i < 50; ++i) flipped += flip(false) + flip(true);
    // The heap first: the GDI probe's 65,000 brushes move Wine's own memory.
    const size_t heapAfter = heapOfPlugin();
    CHECK(flipped == 100);
    CHECK(redraws.frozen - frozenBefore == 100);
    CHECK(redraws.thawed == redraws.frozen);
    CHECK(windowRegistry().updateDepth == 0);
    CHECK(windowRegistry().frozenWindows.empty());
    CHECK(freeGdiHandles() >= gdiBefore - 2);
    CHECK(heapAfter <= heapBefore + 1024);
    MESSAGE("heap in use before " << heapBefore << " bytes, after 100 flips " << heapAfter);
}
