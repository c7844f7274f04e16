// The theming pass and its registries against real windows, with recording system fakes.
#include <doctest.h>

#include "engine/color_subclass.h"
#include "engine/glyph_button.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "engine/theme_removal.h"
#include "engine/theming_pass.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "overlay/bindings.h"
#include "overlay/overlay_binding.h"
#include "overlay/overlay_interaction.h"
#include "platform/module_pin.h"
#include "platform/subclass.h"
#include "plugin/lifecycle.h"
#include "support/test_seam.h"

using namespace hueloom;
using testing::EngineScene;
using testing::isRegistered;
using testing::SystemCallLog;

namespace {

const wchar_t* customPanelClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PublicationPanel";
        RegisterClassW(&wc);
        registered = true;
    }
    return L"PublicationPanel";
}

bool hasColorSubclass(HWND window) { return testing::hasSubclass(window, colorSubclassProc, idOf(SubclassId::Color)); }

} // namespace

TEST_CASE("a pass registers controls once, subclasses each parent once and the combo box itself") {
    EngineScene scene;
    HWND panel = scene.child(customPanelClass());
    HWND first = scene.child(WC_EDITW, 0, L"", panel);
    HWND second = scene.child(WC_BUTTONW, BS_PUSHBUTTON, L"OK", panel);
    HWND combo = scene.child(WC_COMBOBOXW, CBS_DROPDOWNLIST);
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);

    CHECK(testing::registeredKind(first) == ControlKind::Edit);
    CHECK(testing::registeredKind(second) == ControlKind::PushButton);
    CHECK(testing::registeredKind(combo) == ControlKind::ComboBox);
    CHECK_FALSE(isRegistered(panel));  // None: neither registered nor subclassed itself
    const SystemCallLog& log = SystemCallLog::current();
    CHECK(log.subclassCallsFor(panel) == 1);
    CHECK(log.subclassCallsFor(scene.host()) == 1);
    CHECK(log.subclassCallsFor(combo) == 1);
    CHECK(hasColorSubclass(panel));
    CHECK(hasColorSubclass(combo));
    CHECK(hueloom::windowRegistry().colorSubclassed.size() == 3);
    CHECK(hueloom::moduleIsPinned());
}

TEST_CASE("a second incremental pass only sets the title bars again") {
    EngineScene scene;
    HWND panel = scene.child(customPanelClass());
    HWND controls[] = {scene.child(WC_EDITW, 0, L"", panel), scene.child(WC_BUTTONW, BS_AUTOCHECKBOX),
                       scene.child(WC_STATICW), scene.child(WC_COMBOBOXW, CBS_DROPDOWN),
                       scene.child(WC_LISTBOXW), scene.child(TRACKBAR_CLASSW)};
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    for (HWND control : controls) CHECK(isRegistered(control));

    scene.validateAll();
    SystemCallLog::current().clear();
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    const SystemCallLog& log = SystemCallLog::current();
    CHECK(log.subclassed.empty());
    CHECK(log.themes.empty());
    CHECK(log.allowDarkMode.empty());
    for (HWND control : controls) CHECK_FALSE(testing::hasUpdateRegion(control));
    CHECK_FALSE(testing::hasUpdateRegion(scene.host()));
    CHECK(log.dwmFor(scene.host()).size() == 1);
    // The unregistered panel is classified again on every pass; registered controls are not.
    CHECK(log.classNameReadsFor(panel) == 1);
    for (HWND control : controls) CHECK(log.classNameReadsFor(control) == 0);
    CHECK_FALSE(isRegistered(panel));
}

TEST_CASE("a full pass re-themes every registered control in the new mode") {
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    HWND combo = scene.child(WC_COMBOBOXW, CBS_DROPDOWNLIST);
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::AllWindows);
    SystemCallLog::current().clear();

    scene.setMode(Mode::Light);
    refreshWindows(hueloom::RefreshScope::AllWindows);
    const SystemCallLog& log = SystemCallLog::current();
    CHECK(log.lastThemeFor(edit) == L"Explorer");
    CHECK(log.lastThemeFor(combo) == L"CFD");
    CHECK(log.themeCallsFor(edit) == 1);
    CHECK(log.subclassed.empty());  // parents keep their one subclass
    CHECK(hueloom::windowRegistry().titleBarWindows.contains(scene.host()));
    CHECK(testing::hasUpdateRegion(scene.host()));  // title-bar windows repainted
}

TEST_CASE("new controls are invalidated unless a freeze is open") {
    EngineScene scene;
    scene.setMode(Mode::Dark);
    HWND edit = scene.child(WC_EDITW);
    scene.validateAll();
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    CHECK(testing::hasUpdateRegion(edit));

    HWND later = scene.child(WC_EDITW);
    scene.validateAll();
    hueloom::windowRegistry().updateDepth = 1;  // inside a freeze the outermost end repaints
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    hueloom::windowRegistry().updateDepth = 0;
    CHECK(isRegistered(later));
    CHECK_FALSE(testing::hasUpdateRegion(later));
}

TEST_CASE("top-level windows that existed before the publication are skipped unless the host owns them") {
    EngineScene scene;
    HWND stranger = scene.topLevel(WS_OVERLAPPEDWINDOW);
    HWND strangersEdit = scene.child(WC_EDITW, 0, L"", stranger);
    HWND ownedDialog = scene.topLevel(WS_POPUP | WS_CAPTION, scene.host());
    HWND dialogsEdit = scene.child(WC_EDITW, 0, L"", ownedDialog);
    HWND hostEdit = scene.child(WC_EDITW);
    handleHostMessage(1);  // records every top-level window except the host
    REQUIRE(hueloom::windowRegistry().preexistingWindows.contains(stranger));
    REQUIRE(hueloom::windowRegistry().preexistingWindows.contains(ownedDialog));

    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    CHECK_FALSE(isRegistered(strangersEdit));
    CHECK_FALSE(hueloom::windowRegistry().titleBarWindows.contains(stranger));
    CHECK(SystemCallLog::current().dwmFor(stranger).empty());
    CHECK(isRegistered(dialogsEdit));
    CHECK(hueloom::windowRegistry().titleBarWindows.contains(ownedDialog));
    CHECK(isRegistered(hostEdit));
    CHECK(isSkippedTopLevel(stranger));
    CHECK_FALSE(isSkippedTopLevel(ownedDialog));
    CHECK_FALSE(isSkippedTopLevel(scene.host()));
}

TEST_CASE("a window destroyed between passes leaves no entry and gets no call") {
    EngineScene scene;
    HWND panel = scene.child(customPanelClass());
    HWND edit = scene.child(WC_EDITW, 0, L"", panel);
    HWND top = scene.topLevel(WS_OVERLAPPEDWINDOW);
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    REQUIRE(isRegistered(edit));
    REQUIRE(hueloom::windowRegistry().colorSubclassed.contains(panel));
    REQUIRE(hueloom::windowRegistry().titleBarWindows.contains(top));

    DestroyWindow(panel);  // takes the edit with it
    DestroyWindow(top);
    // The subclass took itself off and out of the registry on the way.
    CHECK_FALSE(hueloom::windowRegistry().colorSubclassed.contains(panel));
    SystemCallLog::current().clear();
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    CHECK_FALSE(isRegistered(edit));
    CHECK_FALSE(hueloom::windowRegistry().titleBarWindows.contains(top));
    const SystemCallLog& log = SystemCallLog::current();
    for (HWND dead : {panel, edit, top}) {
        CHECK(log.themeCallsFor(dead) == 0);
        CHECK(log.dwmFor(dead).empty());
        CHECK(log.classNameReadsFor(dead) == 0);
    }
}

TEST_CASE("without SetWindowSubclass nothing is recorded and the next pass tries again") {
    testing::TestSeam seam;
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    scene.setMode(Mode::Dark);
    seam.system().setWindowSubclass = nullptr;
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    CHECK(isRegistered(edit));
    CHECK(hueloom::windowRegistry().colorSubclassed.empty());

    // A later pass installs it once a new control of the same parent arrives.
    testing::installRecordingSystem(19045);
    (void)scene.child(WC_EDITW);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    CHECK(hueloom::windowRegistry().colorSubclassed.contains(scene.host()));
}

TEST_CASE("no host window: the pass does nothing") {
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    scene.setMode(Mode::Dark);
    hueloom::setHostWindow(nullptr);
    refreshWindows(hueloom::RefreshScope::AllWindows);
    CHECK_FALSE(isRegistered(edit));
    hueloom::setHostWindow(scene.host());
}

TEST_CASE("removing the subclasses and overlays takes everything off and empties the registries") {
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    HWND check = scene.child(WC_BUTTONW, BS_AUTOCHECKBOX);
    HWND object = scene.child(WC_STATICW);
    HWND overlay = scene.child(WC_STATICW);
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    REQUIRE(hasColorSubclass(scene.host()));

    // Glyph and overlay subclasses as their installers leave them.
    if (!hueloom::windowRegistry().glyphSubclassed.contains(check)) {
        SetWindowSubclass(check, glyphSubclassProc, idOf(SubclassId::Glyph), 0);
        hueloom::windowRegistry().glyphSubclassed.insert(check);
    }
    hueloom::setHoveredGlyphButton(check);
    SetWindowSubclass(object, overlayObjectSubclassProc, idOf(SubclassId::OverlayObject), 0);
    OverlayBinding binding;
    binding.objectWindow = object;
    binding.overlayWindow = overlay;
    hueloom::overlayState().bindings.set(object, binding);

    removeColorSubclasses();
    removeGlyphSubclasses();
    removeAllOverlays();
    CHECK_FALSE(hasColorSubclass(scene.host()));
    CHECK_FALSE(testing::hasSubclass(check, glyphSubclassProc, idOf(SubclassId::Glyph)));
    CHECK_FALSE(testing::hasSubclass(object, overlayObjectSubclassProc, idOf(SubclassId::OverlayObject)));
    CHECK_FALSE(IsWindow(overlay));
    CHECK(IsWindow(object));
    CHECK(hueloom::windowRegistry().colorSubclassed.empty());
    CHECK(hueloom::windowRegistry().glyphSubclassed.empty());
    CHECK(hueloom::overlayState().bindings.empty());
    CHECK(hueloom::hoveredGlyphButton() == nullptr);
    CHECK(isRegistered(edit));  // the theme record itself is Reset's to clear
}

TEST_CASE("without RemoveWindowSubclass the remove operations only clear their maps") {
    testing::TestSeam seam;
    EngineScene scene;
    (void)scene.child(WC_EDITW);
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    seam.system().removeWindowSubclass = nullptr;
    removeColorSubclasses();
    CHECK(hueloom::windowRegistry().colorSubclassed.empty());
    CHECK(hasColorSubclass(scene.host()));  // still there; it passes messages on while inactive
    RemoveWindowSubclass(scene.host(), colorSubclassProc, idOf(SubclassId::Color));
}
