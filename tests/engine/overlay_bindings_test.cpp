#include <doctest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/auto_refresh.h"
#include "overlay/bindings.h"
#include "overlay/overlay_binding.h"
#include "overlay/overlay_geometry.h"
#include "overlay_test_helpers.h"
#include "paint/paint_geometry.h"
#include "plugin/lifecycle.h"
#include "support/test_seam.h"
#include "theme/theme_state.h"

using namespace testing;
using hueloom::OverlayKind;

namespace {

const std::string kHandleError = "Hueloom_Bind: pass the handle from GetObjectHandle (got '";
const std::string kNative = "OK - native (System mode or Glyphs=Off)";

std::string lastError() { return FakeHost::current().lastError(); }

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct ForeignWindow {
    HWND parent = nullptr;
    HWND window = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

// A child window that belongs to another thread, alive until that thread gets WM_QUIT.
DWORD WINAPI runForeignWindow(void* param) {
    auto* foreign = static_cast<ForeignWindow*>(param);
    foreign->window = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10,
                                      foreign->parent, nullptr, nullptr, nullptr);
    SetEvent(foreign->ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(foreign->window);
    return 0;
}

void waitPumping(HANDLE handle) {
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, 1000, QS_ALLINPUT) != WAIT_OBJECT_0) pumpMessages(1);
}

} // namespace

TEST_CASE("Bind outcomes and their messages") {
    testing::TestSeam seam;
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostCheckBoxClass, 10, 30, 120, 20, L"Agree");

    SUBCASE("a handle text that gives no window is quoted exactly as passed") {
        for (const std::string text : {"", "0", "  0 ", "abc", " 12x", "99999999"}) {
            CHECK(executeAction(14, {text, "", "", ""}) == 0);
            CHECK(lastError() == kHandleError + text + "')");
        }
        HWND gone = createHostObject(host.window(), kHostCheckBoxClass, 0, 0, 10, 10);
        DestroyWindow(gone);
        CHECK(bindRadio(gone, "v", "", "A") == 0);
        CHECK(lastError() == kHandleError + handleText(gone) + "')");
        CHECK(countOverlayWindows(host.window()) == 0);
    }
    SUBCASE("a window of another thread is no host object") {
        ForeignWindow foreign;
        foreign.parent = host.window();
        DWORD threadId = 0;
        HANDLE thread = CreateThread(nullptr, 0, runForeignWindow, &foreign, 0, &threadId);
        waitPumping(foreign.ready);
        REQUIRE(IsWindow(foreign.window));
        CHECK(bindCheck(foreign.window) == 0);
        CHECK(lastError() == kHandleError + handleText(foreign.window) + "')");
        CHECK(countOverlayWindows(host.window()) == 0);
        PostThreadMessageW(threadId, WM_QUIT, 0, 0);
        waitPumping(thread);
        CloseHandle(thread);
        CloseHandle(foreign.ready);
    }
    SUBCASE("bound, then bound again: one overlay, one subclass") {
        SubclassCallCounter::install();
        CHECK(bindCheck(object, "Agreed", "True") == 1);
        CHECK(lastError() == "OK");
        CHECK(bindCheck(object, "Agreed", "False") == 1);
        CHECK(lastError() == "OK");
        CHECK(countOverlayWindows(host.window()) == 1);
        CHECK(SubclassCallCounter::calls == 1);
        CHECK(hasOverlaySubclass(object));
        CHECK((GetWindowLongW(object, GWL_STYLE) & WS_CLIPSIBLINGS) != 0);
        HWND overlay = bindingOf(object)->overlayWindow;
        CHECK(GetWindowLongPtrW(overlay, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(object));
        CHECK(hueloom::autoRefreshState().running);
    }
    SUBCASE("System mode, glyphs off or an inactive theme keep the native look") {
        REQUIRE(bindCheck(object) == 1);
        host.setMode(hueloom::Mode::System);
        CHECK(bindCheck(object) == 1);
        CHECK(lastError() == kNative);
        CHECK(bindingOf(object) == nullptr);
        CHECK(countOverlayWindows(host.window()) == 0);
        // The subclass goes with the overlay: no record would lead a later Reset to it.
        CHECK_FALSE(hasOverlaySubclass(object));

        host.setMode(hueloom::Mode::Light);
        hueloom::currentTheme().glyphs = false;
        CHECK(bindTrack(object, "", "") == 1);
        CHECK(lastError() == kNative);
        hueloom::currentTheme().glyphs = true;
        hueloom::currentTheme().active = false;
        CHECK(bindRadio(object, "", "", "") == 1);
        CHECK(lastError() == kNative);
        CHECK(countOverlayWindows(host.window()) == 0);
    }
    SUBCASE("no subclass function, or a subclass that cannot be set") {
        seam.system().setWindowSubclass = nullptr;
        CHECK(bindCheck(object) == 0);
        CHECK(lastError() == "Overlay unavailable");
        SubclassCallCounter::install();
        SubclassCallCounter::fail = true;
        CHECK(bindCheck(object) == 0);
        CHECK(lastError() == "Overlay unavailable");
        CHECK(bindingOf(object) == nullptr);
        CHECK(countOverlayWindows(host.window()) == 0);
    }
    SUBCASE("an object without a parent") {
        HWND loose = CreateWindowExW(0, kHostCheckBoxClass, L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        CHECK(bindCheck(loose) == 0);
        CHECK(lastError() == "Object has no parent window");
        CHECK(bindingOf(loose) == nullptr);
        DestroyWindow(loose);
    }
    SUBCASE("the overlay window cannot be created") {
        REQUIRE(hueloom::registerOverlayClass());
        REQUIRE(UnregisterClassW(hueloom::kOverlayClassName, GetModuleHandleW(nullptr)));
        CHECK(bindCheck(object) == 0);
        // Windows says 1407, Wine 1411: the code is whatever the system reported.
        const std::string error = lastError();
        CHECK((error == "CreateWindowEx failed: 1407" || error == "CreateWindowEx failed: 1411"));
        CHECK(bindingOf(object) == nullptr);
        CHECK_FALSE(hasOverlaySubclass(object));
        hueloom::overlayState().classRegistered = false;
        CHECK(hueloom::registerOverlayClass());
        CHECK(bindCheck(object) == 1);
    }
}

// GCC 12 falsely reports an overlapping copy (-Wrestrict) for a literal + a temporary std::string.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
TEST_CASE("Unbind always answers OK") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostTrackBarClass, 10, 10, 200, 30);
    for (const std::string& text : std::vector<std::string>{"", "0", "word", handleText(object)}) {
        CHECK(unbind(text) == 1);
        CHECK(lastError() == "OK");
    }
    REQUIRE(bindTrack(object, "Level", "5") == 1);
    HWND overlay = bindingOf(object)->overlayWindow;
    CHECK(unbind(" " + handleText(object) + " ") == 1);
    CHECK(bindingOf(object) == nullptr);
    CHECK_FALSE(IsWindow(overlay));
    CHECK_FALSE(hasOverlaySubclass(object));
}
#pragma GCC diagnostic pop

TEST_CASE("overlay placement at 96 DPI") {
    ThemedHost host;
    SUBCASE("a check box gets a 15 x 15 square over its glyph") {
        HWND object = createHostObject(host.window(), kHostCheckBoxClass, 10, 30, 120, 20);
        REQUIRE(bindCheck(object) == 1);
        CHECK(sameRect(rectInParent(bindingOf(object)->overlayWindow), {10, 32, 25, 47}));
        CHECK(IsWindowVisible(bindingOf(object)->overlayWindow));
        CHECK(GetWindow(bindingOf(object)->overlayWindow, GW_HWNDFIRST) == bindingOf(object)->overlayWindow);
    }
    SUBCASE("a low object gets its overlay above its top (truncating division)") {
        HWND object = createHostObject(host.window(), kHostRadioClass, 10, 30, 60, 10);
        REQUIRE(bindRadio(object, "", "", "A") == 1);
        CHECK(sameRect(rectInParent(bindingOf(object)->overlayWindow), {10, 28, 25, 43}));
    }
    SUBCASE("a track bar is covered exactly; a hidden object has a hidden overlay") {
        HWND object = createHostObject(host.window(), kHostTrackBarClass, 7, 9, 180, 33);
        ShowWindow(object, SW_HIDE);
        REQUIRE(bindTrack(object, "", "") == 1);
        CHECK(sameRect(rectInParent(bindingOf(object)->overlayWindow), {7, 9, 187, 42}));
        CHECK_FALSE(IsWindowVisible(bindingOf(object)->overlayWindow));
    }
    SUBCASE("the glyph square at other DPIs") {
        const RECT object{0, 0, 100, 40};
        CHECK(hueloom::overlayPlacement(OverlayKind::Check, object, 120).right == 18);
        CHECK(hueloom::overlayPlacement(OverlayKind::Radio, object, 144).right == 22);
        CHECK(hueloom::overlayPlacement(OverlayKind::Check, object, 192).right == 28);
        CHECK(sameRect(hueloom::overlayPlacement(OverlayKind::Track, object, 192), object));
    }
}

TEST_CASE("Bind stores the variable with one pair of brackets, the value, caption and colour") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostRadioClass, 10, 10, 100, 20);
    const auto variableAfterBind = [&](const std::string& text) {
        REQUIRE(bindRadio(object, text, "", "A") == 1);
        return bindingOf(object)->variable;
    };
    CHECK(variableAfterBind("Choice") == L"[Choice]");
    CHECK(variableAfterBind("  Choice  ") == L"[Choice]");
    CHECK(variableAfterBind("[Choice]") == L"[Choice]");
    CHECK(variableAfterBind(" [Choice] ") == L"[Choice]");
    CHECK(variableAfterBind("") == L"");
    CHECK(variableAfterBind("[Choice") == L"[Choice");

    REQUIRE(bindRadio(object, "C", " Red ", " Red ", "not a colour") == 1);
    CHECK(bindingOf(object)->value == L" Red ");
    CHECK(bindingOf(object)->caption == L" Red ");
    CHECK(bindingOf(object)->backColor == hueloom::currentTheme().pageBack);  // kept from the first Bind
    REQUIRE(bindRadio(object, "C", "", "Red", "0,128,255") == 1);
    CHECK(bindingOf(object)->backColor == RGB(0, 128, 255));
    REQUIRE(bindCheck(object, "C", "", "bogus") == 1);
    CHECK(bindingOf(object)->backColor == RGB(0, 128, 255));
    CHECK(bindingOf(object)->kind == OverlayKind::Check);
    CHECK(bindingOf(object)->caption.empty());
    CHECK(countOverlayWindows(host.window()) == 1);

    // A later change of the page colour does not reach a bound overlay.
    HWND other = createHostObject(host.window(), kHostCheckBoxClass, 10, 50, 100, 20);
    REQUIRE(bindCheck(other, "", "", "") == 1);
    const COLORREF boundWith = bindingOf(other)->backColor;
    hueloom::currentTheme().pageBack = RGB(1, 2, 3);
    REQUIRE(bindCheck(other, "", "", "") == 1);
    CHECK(bindingOf(other)->backColor == boundWith);
}

TEST_CASE("the range of a track binding") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostTrackBarClass, 10, 10, 200, 30);
    const auto range = [&](const std::string& minimum, const std::string& maximum) {
        REQUIRE(bindTrack(object, "", "", minimum, maximum) == 1);
        return std::make_pair(bindingOf(object)->minimum, bindingOf(object)->maximum);
    };
    CHECK(range("", "") == std::make_pair(0.0, 100.0));
    CHECK(range(" 20 ", "80.5") == std::make_pair(20.0, 80.5));
    CHECK(range("", "") == std::make_pair(20.0, 80.5));  // both empty: the stored range stays
    CHECK(range("10", "") == std::make_pair(0.0, 100.0));  // 10..0 does not rise
    CHECK(range("5", "5") == std::make_pair(0.0, 100.0));
    CHECK(range("NaN", "5") == std::make_pair(0.0, 100.0));
    CHECK(range("-5", "5") == std::make_pair(-5.0, 5.0));
    CHECK(range("ten", "twenty") == std::make_pair(0.0, 100.0));
}

TEST_CASE("the current value of a binding") {
    ThemedHost host;
    FakeHost& fake = FakeHost::current();
    hueloom::OverlayBinding binding;

    SUBCASE("check boxes") {
        binding.kind = OverlayKind::Check;
        binding.variable = L"[Agreed]";
        fake.variables["[Agreed]"] = "  YES ";
        CHECK(hueloom::isBindingOn(binding));
        CHECK(binding.value == L"  YES ");  // cached
        for (const char* off : {"false", "0", "no", "True!"}) {
            fake.variables["[Agreed]"] = off;
            CHECK_FALSE(hueloom::isBindingOn(binding));
        }
        for (const char* on : {"true", "1", "On", "CHECKED"}) {
            fake.variables["[Agreed]"] = on;
            CHECK(hueloom::isBindingOn(binding));
        }
        // An empty variable leaves the cached value in charge.
        fake.variables["[Agreed]"] = "";
        CHECK(hueloom::isBindingOn(binding));
        binding.value.clear();
        CHECK_FALSE(hueloom::isBindingOn(binding));
    }
    SUBCASE("radio buttons") {
        binding.kind = OverlayKind::Radio;
        binding.variable = L"[Colour]";
        binding.caption = L"Dark Blue";
        fake.variables["[Colour]"] = " dark BLUE ";
        CHECK(hueloom::isBindingOn(binding));
        fake.variables["[Colour]"] = "Dark";
        CHECK_FALSE(hueloom::isBindingOn(binding));
        // Nothing chosen is not the choice of a button without a caption.
        binding.caption.clear();
        binding.value.clear();
        fake.variables["[Colour]"] = "";
        CHECK_FALSE(hueloom::isBindingOn(binding));
    }
    SUBCASE("track bars") {
        binding.kind = OverlayKind::Track;
        binding.minimum = 0;
        binding.maximum = 100;
        const auto fraction = [&](const std::string& value) {
            binding.value = std::wstring(value.begin(), value.end());
            return hueloom::trackFraction(binding);
        };
        CHECK_FALSE(hueloom::isBindingOn(binding));
        const HostFloatingPointMask hostMask;  // the texts below must not raise anything
        CHECK(fraction("150") == 1.0);
        CHECK(fraction("-5") == 0.0);
        CHECK(fraction(" 25 ") == 0.25);
        CHECK(fraction("NaN") == 0.0);
        CHECK(fraction("nan") == 0.0);
        CHECK(fraction("+Infinity") == 1.0);
        CHECK(fraction("-INFINITY") == 0.0);
        CHECK(fraction("1e400") == 1.0);
        CHECK(fraction("") == 0.0);
    }
}

TEST_CASE("fraction of a range never traps and always lands in 0..1") {
    const HostFloatingPointMask hostMask;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double big = std::numeric_limits<double>::max();
    CHECK(hueloom::fractionInRange(0, -big, big) == 0.5);
    CHECK(hueloom::fractionInRange(big, -big, big) == 1.0);
    CHECK(hueloom::fractionInRange(5, -inf, inf) == 0.5);
    CHECK(hueloom::fractionInRange(5, -inf, 10) == 1.0);
    CHECK(hueloom::fractionInRange(5, 0, inf) == 0.0);
    CHECK(hueloom::fractionInRange(5, nan, 10) == 0.0);
    CHECK(hueloom::fractionInRange(5, 10, 0) == 0.0);
    CHECK(hueloom::fractionInRange(1e-320, 0, 4e-320) == doctest::Approx(0.25).epsilon(0.05));
}

TEST_CASE("the tick keeps overlays visible and on top, and repaints nothing when nothing changed") {
    ThemedHost host;
    HWND object = createHostObject(host.window(), kHostCheckBoxClass, 10, 30, 120, 20);
    REQUIRE(bindCheck(object) == 1);
    HWND overlay = bindingOf(object)->overlayWindow;
    UpdateWindow(host.window());
    UpdateWindow(overlay);  // the object's first paint asks the overlay to follow
    REQUIRE_FALSE(hasPendingPaint(overlay));

    hueloom::syncAllOverlays();
    CHECK_FALSE(hasPendingPaint(overlay));

    // Hidden behind the host's back (no message reaches the subclass): the tick follows.
    SetWindowLongW(object, GWL_STYLE, GetWindowLongW(object, GWL_STYLE) & ~WS_VISIBLE);
    hueloom::syncAllOverlays();
    CHECK_FALSE(IsWindowVisible(overlay));
    SetWindowLongW(object, GWL_STYLE, GetWindowLongW(object, GWL_STYLE) | WS_VISIBLE);
    hueloom::syncAllOverlays();
    CHECK(IsWindowVisible(overlay));

    // Sent under its object: put back on top and repainted.
    SetWindowPos(overlay, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateWindow(host.window());
    hueloom::syncAllOverlays();
    CHECK(GetWindow(overlay, GW_HWNDPREV) == nullptr);
    CHECK(hasPendingPaint(overlay));
}

TEST_CASE("Reset, a switch to System and host message 2 remove every overlay and object subclass") {
    ThemedHost host;
    HWND check = createHostObject(host.window(), kHostCheckBoxClass, 10, 10, 100, 20);
    HWND track = createHostObject(host.window(), kHostTrackBarClass, 10, 40, 200, 30);
    const auto bindBoth = [&] {
        host.setMode(hueloom::Mode::Dark);
        REQUIRE(bindCheck(check) == 1);
        REQUIRE(bindTrack(track, "", "") == 1);
        REQUIRE(countOverlayWindows(host.window()) == 2);
    };
    const auto nothingLeft = [&] {
        CHECK(hueloom::overlayState().bindings.empty());
        CHECK(countOverlayWindows(host.window()) == 0);
        CHECK_FALSE(hasOverlaySubclass(check));
        CHECK_FALSE(hasOverlaySubclass(track));
    };

    bindBoth();
    CHECK(executeAction(7, {}) == 1);  // Hueloom_Reset
    nothingLeft();

    bindBoth();
    CHECK(executeAction(2, {"System"}) == 1);  // Hueloom_SetMode
    nothingLeft();

    bindBoth();
    hueloom::handleHostMessage(2);
    nothingLeft();
}
