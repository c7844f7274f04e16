// The nested repaint freeze on real windows.
#include <doctest.h>

#include "engine/auto_refresh.h"
#include "engine/host_window.h"
#include "engine/registry.h"
#include "engine/update_freeze.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "platform/process_lifetime.h"

using namespace hueloom;
using testing::EngineScene;

namespace {

bool isFrozen(HWND window) { return hueloom::windowRegistry().frozenWindows.contains(window); }
bool hasVisibleStyle(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

} // namespace

TEST_CASE("nested freezes thaw and repaint only at the outermost end; an unmatched end does nothing") {
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    scene.validateAll();

    beginUpdate();
    beginUpdate();
    CHECK(hueloom::windowRegistry().updateDepth == 2);
    CHECK(isFrozen(scene.host()));
    CHECK(isFrozen(edit));
    CHECK(hueloom::autoRefreshState().running);  // the timer guards the freeze

    endUpdate(hueloom::UpdateEnd::OneLevel);
    CHECK(hueloom::windowRegistry().updateDepth == 1);
    CHECK(isFrozen(scene.host()));
    CHECK_FALSE(testing::hasUpdateRegion(scene.host()));

    endUpdate(hueloom::UpdateEnd::OneLevel);
    CHECK(hueloom::windowRegistry().updateDepth == 0);
    CHECK(hueloom::windowRegistry().frozenWindows.empty());
    CHECK(IsWindowVisible(scene.host()));
    CHECK(IsWindowVisible(edit));
    CHECK(testing::hasUpdateRegion(scene.host()));
    CHECK(testing::hasUpdateRegion(edit));  // repainted with all children
    // System mode: the end of the freeze also stops the timer.
    CHECK_FALSE(hueloom::autoRefreshState().running);

    scene.validateAll();
    endUpdate(hueloom::UpdateEnd::OneLevel);
    CHECK(hueloom::windowRegistry().updateDepth == 0);
    CHECK_FALSE(testing::hasUpdateRegion(scene.host()));
}

TEST_CASE("a forced end closes every level; outside System mode the timer keeps running") {
    EngineScene scene;
    scene.setMode(Mode::Dark);
    beginUpdate();
    beginUpdate();
    beginUpdate();
    endUpdate(hueloom::UpdateEnd::AllLevels);
    CHECK(hueloom::windowRegistry().updateDepth == 0);
    CHECK(hueloom::windowRegistry().frozenWindows.empty());
    CHECK(hueloom::autoRefreshState().running);
}

TEST_CASE("invisible and hidden windows are not frozen, so the thaw cannot show them") {
    EngineScene scene;
    HWND hiddenTop = scene.topLevel(WS_OVERLAPPEDWINDOW);  // never shown
    HWND childOfHiddenTop = scene.child(WC_EDITW, 0, L"", hiddenTop);
    HWND hiddenChild = scene.child(L"HueloomTestWindow");  // DefWindowProcW handles WM_SETREDRAW
    ShowWindow(hiddenChild, SW_HIDE);
    HWND shownChild = scene.child(WC_EDITW);

    beginUpdate();
    CHECK_FALSE(isFrozen(hiddenTop));
    CHECK_FALSE(isFrozen(childOfHiddenTop));
    CHECK_FALSE(isFrozen(hiddenChild));
    CHECK(isFrozen(shownChild));
    endUpdate(hueloom::UpdateEnd::OneLevel);

    CHECK_FALSE(hasVisibleStyle(hiddenChild));
    CHECK_FALSE(hasVisibleStyle(hiddenTop));
    CHECK(hasVisibleStyle(shownChild));
}

TEST_CASE("an owned dialog is repainted when the freeze ends") {
    EngineScene scene;
    HWND dialog = scene.topLevel(WS_POPUP | WS_CAPTION | WS_VISIBLE, scene.host());
    scene.validateAll();
    beginUpdate();
    CHECK(isFrozen(dialog));
    endUpdate(hueloom::UpdateEnd::OneLevel);
    CHECK(testing::hasUpdateRegion(dialog));
}

TEST_CASE("no freeze without a host window or while shutting down") {
    EngineScene scene;
    hueloom::setHostWindow(nullptr);
    beginUpdate();
    CHECK(hueloom::windowRegistry().updateDepth == 0);
    CHECK(hueloom::windowRegistry().frozenWindows.empty());

    hueloom::setHostWindow(scene.host());
    hueloom::setShuttingDown(true);
    beginUpdate();
    CHECK(hueloom::windowRegistry().updateDepth == 0);
    hueloom::setShuttingDown(false);
}
