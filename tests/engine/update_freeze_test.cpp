// The nested repaint freeze on real windows: it shows a change at once and keeps, for every
// window, the visibility the host gives it meanwhile.
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

// A page as the host makes one: a child of the host window that holds controls.
HWND makePage(EngineScene& scene, bool visible) {
    HWND page = scene.child(L"HueloomTestWindow", WS_CLIPCHILDREN);
    if (!visible) ShowWindow(page, SW_HIDE);
    return page;
}

// The host's two ways to change visibility, in the order given.
enum class Order { HideThenShow, ShowThenHide };

void changeVisibility(HWND window, Order order) {
    const int first = order == Order::HideThenShow ? SW_HIDE : SW_SHOWNA;
    const int second = order == Order::HideThenShow ? SW_SHOWNA : SW_HIDE;
    ShowWindow(window, first);
    ShowWindow(window, second);
}

} // namespace

TEST_CASE("nested freezes thaw and repaint only at the outermost end; an unmatched end does nothing") {
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    scene.validateAll();

    beginUpdate();
    beginUpdate();
    CHECK(hueloom::windowRegistry().updateDepth == 2);
    CHECK(isFrozen(scene.host()));
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

TEST_CASE("only top-level windows are frozen: children keep WS_VISIBLE and paint nothing until the thaw") {
    EngineScene scene;
    HWND page = makePage(scene, true);
    HWND edit = scene.child(WC_EDITW, 0, L"", page);
    scene.validateAll();

    beginUpdate();
    CHECK(isFrozen(scene.host()));
    CHECK_FALSE(hasVisibleStyle(scene.host()));
    for (HWND child : {page, edit}) {
        CAPTURE(child);
        CHECK_FALSE(isFrozen(child));
        CHECK(hasVisibleStyle(child));
        CHECK_FALSE(IsWindowVisible(child));  // its frozen top-level window keeps it from painting
        InvalidateRect(child, nullptr, TRUE);
        CHECK_FALSE(testing::hasUpdateRegion(child));
    }
    SetWindowTextW(edit, L"changed while frozen");
    CHECK_FALSE(testing::hasUpdateRegion(edit));

    endUpdate(hueloom::UpdateEnd::OneLevel);
    CHECK(hasVisibleStyle(scene.host()));
    CHECK(testing::hasUpdateRegion(page));
    CHECK(testing::hasUpdateRegion(edit));
}

TEST_CASE("pages and single controls keep what the host did to them during the freeze, in either order") {
    const struct {
        const char* what;
        bool startsVisible;
        Order order;
        bool endsVisible;
    } cases[] = {
        {"shown, hidden then shown", true, Order::HideThenShow, true},
        {"shown, shown then hidden", true, Order::ShowThenHide, false},
        {"hidden, hidden then shown", false, Order::HideThenShow, true},
        {"hidden, shown then hidden", false, Order::ShowThenHide, false},
    };
    for (const auto& c : cases) {
        for (const bool isPage : {true, false}) {
            CAPTURE(c.what);
            CAPTURE(isPage);
            EngineScene scene;
            HWND page = makePage(scene, isPage ? c.startsVisible : true);
            HWND control = scene.child(WC_BUTTONW, BS_PUSHBUTTON, L"Push", page);
            if (!isPage && !c.startsVisible) ShowWindow(control, SW_HIDE);
            HWND target = isPage ? page : control;

            beginUpdate();
            changeVisibility(target, c.order);
            endUpdate(hueloom::UpdateEnd::OneLevel);

            CHECK(hasVisibleStyle(target) == c.endsVisible);
            CHECK(hasVisibleStyle(scene.host()));
        }
    }
}

TEST_CASE("the host turning pages inside an update: the old page stays hidden, the new one shows") {
    EngineScene scene;
    HWND first = makePage(scene, true);
    HWND second = makePage(scene, false);
    beginUpdate();
    // As the host turns a page: the new one is shown, then the old one hidden.
    ShowWindow(second, SW_SHOW);
    ShowWindow(first, SW_HIDE);
    endUpdate(hueloom::UpdateEnd::OneLevel);
    CHECK_FALSE(hasVisibleStyle(first));
    CHECK(hasVisibleStyle(second));
    CHECK(testing::hasUpdateRegion(second));
}

TEST_CASE("dialogs keep the visibility the host gives them, as far as Windows tells") {
    EngineScene scene;
    const DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_VISIBLE;

    SUBCASE("a dialog hidden before the freeze is not frozen and stays hidden") {
        HWND dialog = scene.topLevel(dialogStyle, scene.host());
        ShowWindow(dialog, SW_HIDE);
        beginUpdate();
        CHECK_FALSE(isFrozen(dialog));
        endUpdate(hueloom::UpdateEnd::OneLevel);
        CHECK_FALSE(hasVisibleStyle(dialog));
    }
    SUBCASE("a dialog opened during the freeze and hidden again stays hidden") {
        beginUpdate();
        HWND dialog = scene.topLevel(dialogStyle, scene.host());
        ShowWindow(dialog, SW_HIDE);
        endUpdate(hueloom::UpdateEnd::OneLevel);
        CHECK_FALSE(hasVisibleStyle(dialog));
    }
    SUBCASE("a frozen dialog hidden and shown again is shown and repainted") {
        HWND dialog = scene.topLevel(dialogStyle, scene.host());
        scene.validateAll();
        beginUpdate();
        CHECK(isFrozen(dialog));
        changeVisibility(dialog, Order::HideThenShow);
        endUpdate(hueloom::UpdateEnd::OneLevel);
        CHECK(hasVisibleStyle(dialog));
        CHECK(testing::hasUpdateRegion(dialog));
    }
    SUBCASE("a frozen dialog that the host closes is simply gone at the thaw") {
        HWND dialog = scene.topLevel(dialogStyle, scene.host());
        beginUpdate();
        DestroyWindow(dialog);
        endUpdate(hueloom::UpdateEnd::OneLevel);
        CHECK(hueloom::windowRegistry().frozenWindows.empty());
        CHECK(hasVisibleStyle(scene.host()));
    }
    SUBCASE("the limit: a frozen dialog that the host hides shows again at the thaw") {
        // Hiding a window without WS_VISIBLE returns at once and sends nothing, so nobody
        // can tell the hide happened (docs/windows-versions.md).
        HWND dialog = scene.topLevel(dialogStyle, scene.host());
        beginUpdate();
        ShowWindow(dialog, SW_HIDE);
        endUpdate(hueloom::UpdateEnd::OneLevel);
        CHECK(hasVisibleStyle(dialog));
    }
}

TEST_CASE("a click on an auto radio button of a frozen page moves the dot without hanging") {
    EngineScene scene;
    HWND page = makePage(scene, true);
    HWND first = scene.child(WC_BUTTONW, BS_AUTORADIOBUTTON | WS_GROUP, L"One", page);
    HWND second = scene.child(WC_BUTTONW, BS_AUTORADIOBUTTON, L"Two", page);
    SetWindowPos(second, nullptr, 10, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(first, BM_SETCHECK, BST_CHECKED, 0);

    beginUpdate();
    beginUpdate();
    // Wine walks the group for the next button with WS_VISIBLE; a radio button without it
    // was never met again and the click spun for ever.
    CHECK(hasVisibleStyle(first));
    CHECK(hasVisibleStyle(second));
    SendMessageW(second, BM_CLICK, 0, 0);
    CHECK(SendMessageW(second, BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(SendMessageW(first, BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    endUpdate(hueloom::UpdateEnd::OneLevel);
    endUpdate(hueloom::UpdateEnd::OneLevel);
    CHECK(hasVisibleStyle(scene.host()));
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
