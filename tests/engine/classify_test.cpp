// Classification of real windows and the sibling z-order test.
#include <doctest.h>

#include "engine/classify.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "platform/window_relations.h"
#include "support/test_seam.h"

using namespace hueloom;
using testing::EngineScene;

namespace {

// A superclass of the system edit under its own name.
const wchar_t* superclassedEdit() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW edit{};
        GetClassInfoW(nullptr, WC_EDITW, &edit);
        edit.hInstance = GetModuleHandleW(nullptr);
        edit.lpszClassName = L"ThemedMemoBox";
        RegisterClassW(&edit);
        registered = true;
    }
    return L"ThemedMemoBox";
}

// Stands in for a system that reports the base class of a superclass; 0 for other windows.
HWND g_baseClassOf = nullptr;
UINT WINAPI baseClassOfSuperclass(HWND window, LPWSTR buffer, UINT size) {
    if (window != g_baseClassOf || size < 5) return 0;
    lstrcpyW(buffer, L"Edit");
    return 4;
}

} // namespace

TEST_CASE("class names are read lower-cased; classification reads name and button style") {
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    HWND group = scene.child(WC_BUTTONW, BS_GROUPBOX);
    HWND ownerDrawn = scene.child(WC_BUTTONW, BS_OWNERDRAW);
    HWND defaultPush = scene.child(WC_BUTTONW, BS_DEFPUSHBUTTON);
    HWND label = scene.child(WC_STATICW);
    HWND combo = scene.child(WC_COMBOBOXW, CBS_DROPDOWN);
    HWND list = scene.child(WC_LISTBOXW);
    HWND memo = scene.child(superclassedEdit());

    CHECK(windowClassName(edit) == L"edit");
    CHECK(classifyWindow(edit) == ControlKind::Edit);
    CHECK(classifyWindow(group) == ControlKind::CheckOrRadio);
    CHECK(classifyWindow(ownerDrawn) == ControlKind::PushButton);
    CHECK(classifyWindow(defaultPush) == ControlKind::PushButton);
    CHECK(classifyWindow(label) == ControlKind::Static);
    CHECK(classifyWindow(combo) == ControlKind::ComboBox);
    CHECK(classifyWindow(list) == ControlKind::ListBox);
    CHECK(classifyWindow(memo) == ControlKind::None);  // Wine reports the registered name
    CHECK(classifyWindow(scene.host()) == ControlKind::None);
}

TEST_CASE("the base class wins when RealGetWindowClassW knows it; otherwise the registered name") {
    testing::TestSeam seam;
    EngineScene scene;
    HWND memo = scene.child(superclassedEdit());
    g_baseClassOf = memo;
    seam.system().realGetWindowClassW = baseClassOfSuperclass;
    CHECK(windowClassName(memo) == L"edit");
    CHECK(classifyWindow(memo) == ControlKind::Edit);

    // The function answering 0, or missing, falls back to GetClassNameW.
    HWND other = scene.child(superclassedEdit());
    CHECK(windowClassName(other) == L"themedmemobox");
    seam.system().realGetWindowClassW = nullptr;
    CHECK(windowClassName(memo) == L"themedmemobox");
    CHECK(classifyWindow(memo) == ControlKind::None);

    // A class that cannot be read is None.
    HWND dead = scene.child(WC_EDITW);
    DestroyWindow(dead);
    CHECK(windowClassName(dead).empty());
    CHECK(classifyWindow(dead) == ControlKind::None);
}

TEST_CASE("isWindowAbove: live siblings only, found within 512 steps") {
    EngineScene scene;
    HWND lower = scene.child(WC_STATICW);
    HWND upper = scene.child(WC_STATICW);
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CHECK(isWindowAbove(lower, upper));
    CHECK_FALSE(isWindowAbove(upper, lower));
    CHECK_FALSE(isWindowAbove(nullptr, upper));

    HWND dead = scene.child(WC_STATICW);
    DestroyWindow(dead);
    CHECK_FALSE(isWindowAbove(dead, upper));
    CHECK_FALSE(isWindowAbove(lower, dead));

}

TEST_CASE("isWindowAbove gives up after 512 steps") {
    EngineScene scene;
    const auto raise = [](HWND w) {
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return w;
    };
    HWND lower = raise(scene.child(WC_STATICW));
    for (int i = 0; i < 511; ++i) raise(scene.child(WC_STATICW));
    HWND atLimit = raise(scene.child(WC_STATICW));
    HWND beyondLimit = raise(scene.child(WC_STATICW));
    int steps = 0;
    for (HWND w = lower; w && w != atLimit; w = GetWindow(w, GW_HWNDPREV)) ++steps;
    REQUIRE(steps == 512);
    CHECK(isWindowAbove(lower, atLimit));
    CHECK_FALSE(isWindowAbove(lower, beyondLimit));
}
