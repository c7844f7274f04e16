// Native dark and light rendering per Windows build, seen through recording fakes of the
// system functions, and rich-edit colours on a real rich edit.
#include <doctest.h>

#include <richedit.h>

#include "engine/native_theming.h"
#include "engine/registry.h"
#include "engine/theming_pass.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "platform/native_theme.h"
#include "support/test_seam.h"
#include "theme/theme_state.h"

using namespace hueloom;
using testing::EngineScene;
using testing::SystemCallLog;

namespace {

const wchar_t* hostCheckBoxClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TNeoBookCheckBoxStandIn";
        RegisterClassW(&wc);
        registered = true;
    }
    return L"TNeoBookCheckBoxStandIn";
}

struct DwmValues {
    int dark19 = -1, dark20 = -1;
    int64_t caption = -1, captionText = -1;
};

DwmValues dwmValuesFor(HWND window) {
    DwmValues values;
    for (const auto& call : SystemCallLog::current().dwmFor(window)) {
        switch (call.attribute) {
        case 19: values.dark19 = static_cast<int>(call.value); break;
        case 20: values.dark20 = static_cast<int>(call.value); break;
        case 35: values.caption = call.value; break;
        case 36: values.captionText = call.value; break;
        default: FAIL("unexpected DWM attribute " << call.attribute);
        }
    }
    return values;
}

// A full pass in `mode` over a host with a combo box, an edit and a host check-box object.
struct BuildScenario {
    EngineScene scene;
    HWND combo, edit, hostObject;

    BuildScenario(int build, bool withOrdinals, Mode mode) : scene(build, withOrdinals) {
        combo = scene.child(WC_COMBOBOXW, CBS_DROPDOWNLIST);
        edit = scene.child(WC_EDITW);
        hostObject = scene.child(hostCheckBoxClass());
        scene.setMode(mode);
        applyAppMode();
        refreshWindows(hueloom::RefreshScope::AllWindows);
    }
};

} // namespace

TEST_CASE("Dark on build 19045: mode numbers, dark names and title-bar attribute 20") {
    BuildScenario s(19045, true, Mode::Dark);
    const SystemCallLog& log = SystemCallLog::current();
    CHECK(log.preferredAppMode == std::vector<int>{2});
    CHECK(log.refreshColorPolicy == 1);
    CHECK(log.flushMenuThemes == 1);
    CHECK(log.lastThemeFor(s.combo) == L"DarkMode_CFD");
    CHECK(log.lastThemeFor(s.edit) == L"DarkMode_Explorer");
    CHECK(log.lastThemeFor(s.hostObject) == L"<null>");
    bool allowed = false;
    for (const auto& [window, allow] : log.allowDarkMode)
        if (window == s.edit) allowed = allow == TRUE;
    CHECK(allowed);

    const DwmValues host = dwmValuesFor(s.scene.host());
    CHECK(host.dark20 == 1);
    CHECK(host.dark19 == -1);
    CHECK(host.caption == -1);  // no caption colours before Windows 11
    CHECK(host.captionText == -1);
    CHECK(hueloom::windowRegistry().titleBarWindows.contains(s.scene.host()));
}

TEST_CASE("Dark on builds 18363 and 17763: attribute 19, then the flag form of the preference") {
    SUBCASE("18363") {
        BuildScenario s(18363, true, Mode::Dark);
        CHECK(SystemCallLog::current().preferredAppMode == std::vector<int>{2});
        const DwmValues host = dwmValuesFor(s.scene.host());
        CHECK(host.dark19 == 1);
        CHECK(host.dark20 == -1);
    }
    SUBCASE("17763") {
        BuildScenario s(17763, true, Mode::Dark);
        CHECK(SystemCallLog::current().preferredAppMode == std::vector<int>{1});
        CHECK(dwmValuesFor(s.scene.host()).dark19 == 1);
        CHECK(SystemCallLog::current().lastThemeFor(s.combo) == L"DarkMode_CFD");
    }
    SUBCASE("17763 in Light: the flag is 0") {
        BuildScenario s(17763, true, Mode::Light);
        CHECK(SystemCallLog::current().preferredAppMode == std::vector<int>{0});
        CHECK(dwmValuesFor(s.scene.host()).dark19 == 0);
    }
}

TEST_CASE("Dark on build 17134: no ordinal, no dark name, no attribute; host objects still reset") {
    BuildScenario s(17134, false, Mode::Dark);
    const SystemCallLog& log = SystemCallLog::current();
    CHECK(log.preferredAppMode.empty());
    CHECK(log.allowDarkMode.empty());
    for (const auto& call : log.themes) CHECK(call.name.find(L"DarkMode_") == std::wstring::npos);
    CHECK(log.themeCallsFor(s.edit) == 0);  // keeps its current theme
    CHECK(log.lastThemeFor(s.hostObject) == L"<null>");
    CHECK(log.dwm.empty());
    // The attribute function exists, so the window is still recorded for later passes.
    CHECK(hueloom::windowRegistry().titleBarWindows.contains(s.scene.host()));
}

TEST_CASE("Light on build 22631 with a caption colour") {
    EngineScene scene(22631);
    HWND combo = scene.child(WC_COMBOBOXW, CBS_DROPDOWNLIST);
    scene.setMode(Mode::Light);
    hueloom::currentTheme().titleBar = 0x1E1E1E;
    applyAppMode();
    refreshWindows(hueloom::RefreshScope::AllWindows);
    const SystemCallLog& log = SystemCallLog::current();
    CHECK(log.preferredAppMode == std::vector<int>{3});
    CHECK(log.lastThemeFor(combo) == L"CFD");
    const DwmValues host = dwmValuesFor(scene.host());
    CHECK(host.dark20 == 0);
    CHECK(host.caption == 0x1E1E1E);
    CHECK(host.captionText == 0xFFFFFFFF);

    // System mode resets the caption although the colour is still stored.
    SystemCallLog::current().clear();
    hueloom::currentTheme().mode = Mode::System;
    applyTitleBar(scene.host());
    const DwmValues reset = dwmValuesFor(scene.host());
    CHECK(reset.caption == 0xFFFFFFFF);
    CHECK(reset.captionText == 0xFFFFFFFF);
    applyAppMode();
    CHECK(SystemCallLog::current().preferredAppMode == std::vector<int>{0});
}

TEST_CASE("without the attribute function no title bar is recorded") {
    testing::TestSeam seam;
    EngineScene scene(22631);
    seam.system().dwmSetWindowAttribute = nullptr;
    scene.setMode(Mode::Dark);
    applyTitleBar(scene.host());
    CHECK(hueloom::windowRegistry().titleBarWindows.empty());
}

TEST_CASE("group boxes get the theme name and their own painter, never the glyph subclass") {
    EngineScene scene(19045);
    HWND group = scene.child(WC_BUTTONW, BS_GROUPBOX);
    HWND check = scene.child(WC_BUTTONW, BS_AUTOCHECKBOX);
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    const SystemCallLog& log = SystemCallLog::current();
    CHECK(log.lastThemeFor(group) == L"DarkMode_Explorer");
    CHECK(log.subclassCallsFor(group) == 1);
    CHECK_FALSE(hueloom::windowRegistry().glyphSubclassed.contains(group));
    const hueloom::SubclassId* painter = hueloom::windowRegistry().paintedControls.find(group);
    REQUIRE(painter != nullptr);
    CHECK(*painter == hueloom::SubclassId::GroupBoxPaint);
    CHECK(hueloom::windowRegistry().glyphSubclassed.contains(check));
    CHECK_FALSE(hueloom::windowRegistry().paintedControls.contains(check));
}

TEST_CASE("rich edits: background always, text colour only with article text") {
    LoadLibraryW(L"riched20.dll");
    EngineScene scene(19045);
    HWND rich = scene.child(RICHEDIT_CLASSW, ES_MULTILINE, L"Article");
    REQUIRE(rich != nullptr);
    const auto currentBackground = [rich] {
        // EM_SETBKGNDCOLOR answers the previous colour; put it straight back.
        const auto previous = static_cast<COLORREF>(SendMessageW(rich, EM_SETBKGNDCOLOR, 0, 0x123456));
        SendMessageW(rich, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(previous));
        return previous;
    };
    const auto currentTextColor = [rich] {
        CHARFORMATW format{};
        format.cbSize = sizeof format;
        SendMessageW(rich, EM_SETSEL, 0, -1);
        SendMessageW(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format.crTextColor;
    };
    const COLORREF originalText = currentTextColor();

    scene.setMode(Mode::Dark);
    hueloom::currentTheme().articleText = false;
    applyNativeTheme(rich, ControlKind::RichEdit);
    CHECK(currentBackground() == hueloom::currentTheme().controlBack);
    CHECK(currentTextColor() == originalText);

    hueloom::currentTheme().articleText = true;
    applyNativeTheme(rich, ControlKind::RichEdit);
    CHECK(currentTextColor() == hueloom::currentTheme().controlText);

    // A light mode without the plug-in's colours (title bar only) gives the system background.
    hueloom::currentTheme().mode = Mode::Light;
    hueloom::currentTheme().active = false;
    applyNativeTheme(rich, ControlKind::RichEdit);
    CHECK(currentBackground() == GetSysColor(COLOR_WINDOW));
}
