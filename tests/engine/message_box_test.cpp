// Message boxes the publication shows, themed through the thread hook: background, text and
// button in the theme while colours are in force; other dialogs let go; the hook gone at
// Reset, System mode and host message 2; the stock look back after Reset.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "engine/fallback_painting.h"
#include "engine/message_box.h"
#include "engine/registry.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "look_scene.h"
#include "platform/subclass.h"
#include "plugin/lifecycle.h"
#include "support/screen_pixels.h"
#include "theme/color.h"
#include "theme/theme_state.h"

using namespace testing;

namespace {

// What a look at the message box found while it was up.
struct BoxReport {
    HWND box = nullptr;
    bool subclassed = false;
    bool registered = false;
    int drawnButtons = 0;
    int themedChildren = 0;
    PixelGrid pixels;
};

BoxReport& report() {
    static BoxReport r;
    return r;
}

BOOL CALLBACK findBox(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

BOOL CALLBACK noteChild(HWND child, LPARAM) {
    const hueloom::ThemedWindowRegistry& registry = hueloom::windowRegistry();
    report().themedChildren += registry.themedControls.contains(child);
    report().drawnButtons += registry.fallbackPainted.contains(child);
    return TRUE;
}

void CALLBACK lookAtBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;  // not shown yet: the next tick
    KillTimer(nullptr, timer);
    BoxReport& r = report();
    r.box = box;
    r.subclassed = hasSubclass(box, hueloom::messageBoxSubclassProc, hueloom::idOf(hueloom::SubclassId::MessageBox));
    r.registered = hueloom::windowRegistry().messageBoxes.contains(box);
    EnumChildWindows(box, noteChild, 0);
    r.pixels = captureClient(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Shows a message box owned by `owner`, as the authoring tool's alert action does, looks
// at it once it is up, and closes it.
int alert(HWND owner, const wchar_t* text = L"The file was saved.") {
    report() = BoxReport{};
    SetTimer(nullptr, 0, 30, lookAtBox);
    return MessageBoxW(owner, text, L"Publication", MB_OK | MB_ICONINFORMATION);
}

// Within this every pixel counts as one of the theme's colours, as in the other look tests:
// the button's face and frame are mixes of at most 30 % of the text into a ground.
constexpr int kShadeTolerance = 72;
// The icon's 32 x 32 pixels are off the theme (measured 3.2 to 3.4 % of the box).
constexpr double kOffThemeBound = 0.05;
// Text is written on grounds: a box mostly in the text colour is a light box in a dark theme.
constexpr double kTextBound = 0.35;

} // namespace

TEST_CASE("message boxes in Dark, Light and custom colours, and in the stock look after Reset") {
    LookScene host;
    REQUIRE(alert(host.host()) == IDOK);
    const PixelGrid stock = report().pixels;
    REQUIRE_FALSE(stock.empty());
    CHECK_FALSE(report().subclassed);

    for (Look look : kAllLooks) {
        INFO(lookName(look));
        host.apply(look);
        CHECK(hueloom::messageBoxHook() != nullptr);
        REQUIRE(alert(host.host()) == IDOK);
        const BoxReport& r = report();
        CHECK(r.subclassed);
        CHECK(r.registered);
        CHECK(r.drawnButtons == 1);
        CHECK(r.themedChildren >= 3);  // the icon, the text and the button
        const LookShares themed = measureLook(r.pixels, kShadeTolerance);
        CHECK(themed.offTheme <= kOffThemeBound);
        CHECK(themed.text <= kTextBound);
        // The measure tells the stock look apart, but from Light, whose very colours Wine's
        // stock message box has.
        if (look != Look::Light) {
            const LookShares system = measureLook(stock, kShadeTolerance);
            CHECK((system.offTheme > kOffThemeBound || system.text > kTextBound));
        }
        // Closed: nothing of it is remembered.
        CHECK_FALSE(IsWindow(r.box));
        CHECK(hueloom::windowRegistry().messageBoxes.empty());
        CHECK(hueloom::windowRegistry().fallbackPainted.empty());
        host.reset();
    }

    host.reset();
    CHECK(hueloom::messageBoxHook() == nullptr);
    REQUIRE(alert(host.host()) == IDOK);
    CHECK_FALSE(report().subclassed);
    CHECK(countDifferent(stock, report().pixels, 0) == 0);
}

namespace {

// A dialog template with an edit: a dialog, but not a message box.
struct EditDialogTemplate {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
    alignas(4) DLGITEMTEMPLATE edit;
    WORD editClassMarker, editClassAtom, editText, editData;
};

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

} // namespace

TEST_CASE("a dialog that is not a message box is let go as soon as its controls exist") {
    LookScene host;
    host.apply(Look::Dark);
    EditDialogTemplate t{};
    t.dialog.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    t.dialog.cdit = 1;
    t.dialog.cx = 120;
    t.dialog.cy = 60;
    t.edit.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    t.edit.cx = 80;
    t.edit.cy = 12;
    t.edit.id = 100;
    t.editClassMarker = 0xFFFF;
    t.editClassAtom = 0x0081;  // Edit
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &t.dialog, host.host(), plainDialogProc, 0);
    REQUIRE(dialog);
    CHECK_FALSE(hasSubclass(dialog, hueloom::messageBoxSubclassProc, hueloom::idOf(hueloom::SubclassId::MessageBox)));
    CHECK(hueloom::windowRegistry().messageBoxes.empty());
    CHECK(hueloom::looksLikeMessageBox(dialog) == false);
    DestroyWindow(dialog);
}

TEST_CASE("the hook goes with System mode and host message 2, and is never set without colours") {
    LookScene host;
    SUBCASE("System mode") {
        host.apply(Look::Dark);
        REQUIRE(hueloom::messageBoxHook() != nullptr);
        REQUIRE(executeAction(2, {"System"}) == 1);
        CHECK(hueloom::messageBoxHook() == nullptr);
    }
    SUBCASE("host message 2") {
        host.apply(Look::Light);
        REQUIRE(hueloom::messageBoxHook() != nullptr);
        hueloom::handleHostMessage(2);
        CHECK(hueloom::messageBoxHook() == nullptr);
    }
    SUBCASE("a caption colour alone") {
        REQUIRE(executeAction(4, {"32,32,32", ""}) == 1);  // Hueloom_SetTitleBar in System mode
        hueloom::updateMessageBoxHook();
        CHECK(hueloom::messageBoxHook() == nullptr);
    }
    SUBCASE("without SetWindowsHookExW: no hook, the message box shows as it comes") {
        TestSeam::system().setWindowsHookExW = nullptr;
        host.apply(Look::Dark);
        CHECK(hueloom::messageBoxHook() == nullptr);
        REQUIRE(alert(host.host()) == IDOK);
        CHECK_FALSE(report().subclassed);
    }
}

TEST_CASE("message boxes shown one after another leave no GDI object behind") {
    LookScene host;
    host.apply(Look::Dark);
    REQUIRE(alert(host.host()) == IDOK);
    const int freeBefore = freeGdiHandles();
    for (int i = 0; i < 3; ++i) REQUIRE(alert(host.host()) == IDOK);
    CHECK(freeGdiHandles() >= freeBefore);
}
