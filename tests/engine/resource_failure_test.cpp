// When the system runs out of memory, GDI handles, timers or subclass slots: every action
// still answers, an answer of "OK" means it happened, the host never gets a null text, and
// nothing is leaked or left half done.
#include <doctest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/auto_refresh.h"
#include "engine/color_subclass.h"
#include "engine/glyph_button.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "engine/theming_pass.h"
#include "engine_scene.h"
#include "overlay_test_helpers.h"
#include "paint/glyph_painter.h"
#include "paint/paint_styles.h"
#include "paint/theme_brushes.h"
#include "platform/gdi.h"
#include "platform/subclass.h"
#include "plugin/entry_points.h"
#include "plugin/host_bridge.h"
#include "support/fault_injector.h"
#include "theme_test_support.h"

using namespace hueloom;
using testing::EngineScene;
using testing::FaultInjector;
using testing::FaultPoint;
using testing::host;

namespace {

constexpr int kSetMode = 2;
constexpr int kSetColors = 3;
constexpr int kRefresh = 5;
constexpr int kAutoRefresh = 6;
constexpr int kReset = 7;
constexpr int kSetAccent = 11;
constexpr int kListWindows = 12;

// The exchange buffers taken away for a while, as if memory had never allowed them.
class WithoutExchangeBuffers {
public:
    WithoutExchangeBuffers() : name_(hostCallbacks().nameBuffer), value_(hostCallbacks().valueBuffer) {
        hostCallbacks().nameBuffer = nullptr;
        hostCallbacks().valueBuffer = nullptr;
    }
    ~WithoutExchangeBuffers() {
        HostCallbacks& callbacks = hostCallbacks();
        if (callbacks.nameBuffer) GlobalFree(callbacks.nameBuffer);
        if (callbacks.valueBuffer) GlobalFree(callbacks.valueBuffer);
        callbacks.nameBuffer = name_;
        callbacks.valueBuffer = value_;
    }
    WithoutExchangeBuffers(const WithoutExchangeBuffers&) = delete;
    WithoutExchangeBuffers& operator=(const WithoutExchangeBuffers&) = delete;

private:
    char* name_;
    char* value_;
};

bool hasColorSubclass(HWND window) {
    return testing::hasSubclass(window, colorSubclassProc, idOf(SubclassId::Color));
}
bool hasGlyphSubclass(HWND window) {
    return testing::hasSubclass(window, glyphSubclassProc, idOf(SubclassId::Glyph));
}

} // namespace

TEST_CASE("without memory for a variable's texts the exchange buffers carry it; the host never gets a null") {
    EngineScene scene;
    HostBridge::prepareExchangeBuffers();
    FaultInjector injector;

    SUBCASE("one of the two texts cannot be allocated") {
        for (const int after : {0, 1}) {
            host().sets.clear();
            injector.failNext(FaultPoint::GlobalAlloc, 1, after);
            CHECK(HostBridge::setVariable(L"[Colour]", L"24,24,24"));
            REQUIRE(host().sets.size() == 1);
            CHECK(host().sets[0] == std::pair<std::string, std::string>("[Colour]", "24,24,24"));
        }
    }
    SUBCASE("a value too long for the exchange buffer is refused, and not handed over cut") {
        host().sets.clear();
        injector.failAlways(FaultPoint::GlobalAlloc);
        CHECK_FALSE(HostBridge::setVariable(L"[Skin.Windows]", std::wstring(5000, L'w')));
        CHECK(host().sets.empty());
    }
    SUBCASE("an answer is cut to what the exchange buffer holds rather than lost") {
        injector.failAlways(FaultPoint::GlobalAlloc);
        HostBridge::setLastError(L"Skin file not found: " + std::wstring(5000, L'x'));
        const std::string answer = host().lastError();
        CHECK(answer.size() == kValueBufferSize - 1);
        CHECK(answer.rfind("Skin file not found: xxx", 0) == 0);
    }
    SUBCASE("with no exchange buffers either, nothing reaches the host") {
        WithoutExchangeBuffers none;
        host().sets.clear();
        injector.failAlways(FaultPoint::GlobalAlloc);
        CHECK_FALSE(HostBridge::setVariable(L"[Skin.Mode]", L"Dark"));
        HostBridge::setLastError(L"OK");
        CHECK(host().sets.empty());
        injector.stop();
        CHECK(HostBridge::setVariable(L"[Skin.Mode]", L"Dark"));
        CHECK(host().var("[Skin.Mode]") == "Dark");
    }
}

TEST_CASE("an action that could not set one of its variables does not answer OK") {
    EngineScene scene;
    HostBridge::prepareExchangeBuffers();
    // Enough windows for a list longer than the exchange buffer holds.
    for (int i = 0; i < 120; ++i) (void)scene.child(WC_STATICW);
    FaultInjector injector;
    injector.failAlways(FaultPoint::GlobalAlloc);
    CHECK(testing::executeAction(kListWindows, {}) == 0);
    CHECK(host().lastError() == "Not enough memory to set [Skin.Windows]");
    CHECK(host().var("[Skin.WindowCount]") != "");  // short enough for the exchange buffers

    injector.stop();
    CHECK(testing::executeAction(kListWindows, {}) == 1);
    CHECK(host().lastError() == "OK");
}

TEST_CASE("registration leaves out an action whose texts cannot be allocated, never passing a null") {
    struct Registered {
        static void WINAPI record(int32_t number, char* name, char* hint, unsigned char*, int32_t, int32_t) {
            numbers().push_back(number);
            CHECK(name != nullptr);
            CHECK(hint != nullptr);
        }
        static std::vector<int32_t>& numbers() {
            static std::vector<int32_t> seen;
            return seen;
        }
    };
    testing::TestSeam seam;
    testing::resetPlugin();
    HostBridge::prepareExchangeBuffers();  // made before the registrations, when missing
    Registered::numbers().clear();
    {
        FaultInjector injector;
        // Name and hint of the first two actions, then the name of the third.
        injector.failNext(FaultPoint::GlobalAlloc, 1, 4);
        nbRegisterPlugIn(reinterpret_cast<void*>(Registered::record), nullptr, nullptr, nullptr);
    }
    const std::vector<int32_t>& numbers = Registered::numbers();
    REQUIRE(numbers.size() == 15);
    CHECK(numbers[1] == 2);
    CHECK(numbers[2] == 4);
    testing::resetPlugin();
}

TEST_CASE("a theme change without GDI handles for its brushes changes nothing and says so") {
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    const std::vector<std::pair<int, std::vector<std::string>>> actions = {
        {kSetMode, {"Dark"}}, {kSetColors, {"#102030", "", ""}}, {kSetAccent, {"#FF8800", "on"}}};
    CHECK(testing::executeAction(kReset, {}) == 1);
    const int freeBefore = testing::freeGdiHandles();
    for (const auto& [number, params] : actions) {
        for (const int after : {0, 1}) {  // the first brush or the second
            CAPTURE(number);
            CAPTURE(after);
            CHECK(testing::executeAction(kReset, {}) == 1);
            const testing::ThemeSnapshot before = testing::ThemeSnapshot::now();
            const ThemeBrushes brushesBefore = themeBrushes();
            {
                FaultInjector injector;
                injector.failNext(FaultPoint::CreateSolidBrush, 1, after);
                CHECK(testing::executeAction(number, params) == 0);
            }
            CHECK(host().lastError() ==
                  "Not enough GDI resources for the theme's brushes; nothing was changed");
            CHECK(testing::ThemeSnapshot::now() == before);
            CHECK(themeBrushes().control == brushesBefore.control);
            CHECK(themeBrushes().page == brushesBefore.page);
            CHECK_FALSE(testing::isRegistered(edit));
            CHECK(windowRegistry().updateDepth == 0);
        }
    }
    CHECK(testing::freeGdiHandles() == freeBefore);

    // With brushes in force, a failed change keeps them and the theme as they were.
    REQUIRE(testing::executeAction(kSetMode, {"Dark"}) == 1);
    const ThemeBrushes dark = themeBrushes();
    FaultInjector injector;
    injector.failNext(FaultPoint::CreateSolidBrush, 1, 1);
    CHECK(testing::executeAction(kSetMode, {"Light"}) == 0);
    CHECK(currentTheme().mode == Mode::Dark);
    CHECK(themeBrushes().control == dark.control);
    CHECK(themeBrushes().page == dark.page);
}

TEST_CASE("automatic refresh without a timer to spare answers a failure and reports itself off") {
    EngineScene scene;
    scene.setMode(Mode::Dark);
    FaultInjector injector;
    injector.failAlways(FaultPoint::SetTimer);
    CHECK(testing::executeAction(kAutoRefresh, {"On"}) == 0);
    CHECK(host().lastError() == "Cannot start automatic refresh: Windows has no timer to spare");
    CHECK(host().var("[Skin.AutoRefresh]") == "0");
    CHECK_FALSE(autoRefreshRunning());
    // Switching off needs no timer.
    CHECK(testing::executeAction(kAutoRefresh, {"Off"}) == 1);
    injector.stop();
    CHECK(testing::executeAction(kAutoRefresh, {"On"}) == 1);
    CHECK(host().var("[Skin.AutoRefresh]") == "1");

    // Before the host has given its main window there is nothing to refresh: no failure.
    CHECK(testing::executeAction(kAutoRefresh, {"Off"}) == 1);
    setHostWindow(nullptr);
    CHECK(testing::executeAction(kAutoRefresh, {"On"}) == 1);
    CHECK(host().lastError() == "OK");
    CHECK(host().var("[Skin.AutoRefresh]") == "0");
    setHostWindow(scene.host());
}

TEST_CASE("a control whose subclass was refused is finished by a later pass; the action says it was not") {
    EngineScene scene;
    HWND page = scene.child(L"HueloomTestWindow");
    HWND check = scene.child(WC_BUTTONW, BS_AUTOCHECKBOX, L"Check", page);
    HWND edit = scene.child(WC_EDITW, 0, L"", page);
    HWND progress = scene.child(PROGRESS_CLASSW, 0, L"", page);  // one the plug-in draws itself
    FaultInjector injector;

    injector.failAlways(FaultPoint::SetWindowSubclass);
    CHECK(testing::executeAction(kSetMode, {"Dark"}) == 0);
    CHECK(host().lastError() ==
          "Not enough system resources to theme 3 control(s); they are tried again at the next refresh");
    CHECK(currentTheme().mode == Mode::Dark);
    CHECK(controlsAwaitingTheme() == 3);
    CHECK_FALSE(hasColorSubclass(page));
    CHECK_FALSE(hasGlyphSubclass(check));
    CHECK_FALSE(windowRegistry().paintedControls.contains(progress));
    // Still refused: Refresh says so again.
    CHECK(testing::executeAction(kRefresh, {}) == 0);

    SUBCASE("the timer's pass finishes them once the system has room again") {
        injector.stop();
        autoRefreshTick(scene.host(), WM_TIMER, kAutoRefreshTimerId, 0);
        CHECK(controlsAwaitingTheme() == 0);
        CHECK(hasColorSubclass(page));
        CHECK(hasGlyphSubclass(check));
        CHECK(windowRegistry().paintedControls.contains(progress));
        CHECK(testing::executeAction(kRefresh, {}) == 1);
        CHECK(host().lastError() == "OK");
    }
    SUBCASE("a control that is destroyed meanwhile is forgotten") {
        DestroyWindow(check);
        DestroyWindow(edit);
        DestroyWindow(progress);
        injector.stop();
        refreshWindows(RefreshScope::NewWindowsOnly);
        CHECK(controlsAwaitingTheme() == 0);
    }
    SUBCASE("Reset leaves nothing waiting and nothing subclassed") {
        injector.stop();
        autoRefreshTick(scene.host(), WM_TIMER, kAutoRefreshTimerId, 0);
        CHECK(testing::executeAction(kReset, {}) == 1);
        CHECK(controlsAwaitingTheme() == 0);
        CHECK_FALSE(hasColorSubclass(page));
        CHECK_FALSE(hasGlyphSubclass(check));
        CHECK(windowRegistry().paintedControls.empty());
    }
}

TEST_CASE("Bind without a window for its overlay answers a failure and leaves the object alone") {
    testing::ThemedHost themed;
    HWND object = testing::createHostObject(themed.window(), testing::kHostCheckBoxClass, 10, 10, 120, 20);
    FaultInjector injector;
    injector.failAlways(FaultPoint::CreateWindowEx);
    CHECK(testing::bindCheck(object) == 0);
    CHECK(host().lastError() == "CreateWindowEx failed: 8");
    CHECK(testing::bindingOf(object) == nullptr);
    CHECK_FALSE(testing::hasOverlaySubclass(object));
    CHECK(testing::countOverlayWindows(themed.window()) == 0);

    // Without the object's subclass the overlay is destroyed again.
    injector.stop();
    injector.failAlways(FaultPoint::SetWindowSubclass);
    CHECK(testing::bindCheck(object) == 0);
    CHECK(host().lastError() == "Overlay unavailable");
    CHECK(testing::countOverlayWindows(themed.window()) == 0);
}

TEST_CASE("painting without pens and brushes leaves the DC as it was and leaks nothing") {
    EngineScene scene;
    scene.setMode(Mode::Dark);
    testing::DibCanvas canvas(40, 40);
    const testing::DcSelection selected(canvas.dc());
    const int freeBefore = testing::freeGdiHandles();
    for (const FaultPoint point : {FaultPoint::CreatePen, FaultPoint::CreateSolidBrush}) {
        CAPTURE(testing::faultPointName(point));
        FaultInjector injector;
        injector.failAlways(point);
        for (const bool radio : {false, true}) {
            GlyphState state;
            state.radio = radio;
            state.check = CheckState::Checked;
            paintGlyph(canvas.dc(), {4, 4, 30, 30}, state, currentTheme(),
                       buttonGlyphStyle(currentTheme(), 96));
        }
        CHECK(injector.counts(point).failures > 0);
        CHECK(testing::DcSelection(canvas.dc()) == selected);
    }
    CHECK(testing::freeGdiHandles() == freeBefore);
}

TEST_CASE("a memory DC is empty when none can be made, and deleted when it goes") {
    HDC screen = GetDC(nullptr);
    HDC made = nullptr;
    {
        MemoryDc dc = compatibleDc(screen);
        REQUIRE(dc);
        made = dc.get();
        CHECK(GetObjectType(made) == OBJ_MEMDC);
    }
    CHECK(GetObjectType(made) == 0);
    FaultInjector injector;
    injector.failAlways(FaultPoint::CreateCompatibleDC);
    CHECK_FALSE(compatibleDc(screen));
    ReleaseDC(nullptr, screen);
}

TEST_CASE("the injector fails the share of calls it is given, the same calls for the same seed") {
    const auto pattern = [](uint64_t seed) {
        FaultInjector injector;
        injector.failAtRandom(seed, 30);
        std::vector<bool> failed;
        for (int i = 0; i < 2000; ++i) {
            Brush brush = solidBrush(RGB(i % 256, 0, 0));
            failed.push_back(!brush);
        }
        CHECK(injector.counts(FaultPoint::CreateSolidBrush).calls == 2000);
        return failed;
    };
    const std::vector<bool> first = pattern(7);
    const int failures = static_cast<int>(std::count(first.begin(), first.end(), true));
    CHECK(failures > 30);   // 3 % of 2,000 is 60
    CHECK(failures < 100);
    CHECK(pattern(7) == first);
    CHECK(pattern(8) != first);
}
