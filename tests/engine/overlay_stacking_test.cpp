// The timer's overlay upkeep reads the z-order once per parent: its answers and the order it
// leaves must be those of a walk of each overlay's siblings, binding by binding.
#include <doctest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "overlay/bindings.h"
#include "overlay/overlay_binding.h"
#include "overlay/overlay_stacking.h"
#include "overlay_test_helpers.h"
#include "platform/window_relations.h"

using namespace testing;

namespace {

constexpr UINT kReorderFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

// A small seeded generator, so that a failing order can be replayed.
class Shuffler {
public:
    explicit Shuffler(uint32_t seed) : state_(seed) {}
    size_t below(size_t count) {
        state_ = state_ * 1664525u + 1013904223u;
        return count ? (state_ >> 8) % count : 0;
    }

private:
    uint32_t state_;
};

std::vector<HWND> childrenTopDown(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// Moves windows to the top, to the bottom or behind another sibling, at random.
void shuffleZOrder(HWND parent, Shuffler& random, int moves) {
    for (int i = 0; i < moves; ++i) {
        const std::vector<HWND> children = childrenTopDown(parent);
        const HWND moved = children[random.below(children.size())];
        const size_t how = random.below(4);
        const HWND after = how == 0   ? HWND_TOP
                           : how == 1 ? HWND_BOTTOM
                                      : children[random.below(children.size())];
        if (after != moved) SetWindowPos(moved, after, 0, 0, 0, 0, kReorderFlags);
    }
}

struct Scene {
    ThemedHost host;
    HWND page = nullptr;
    std::vector<HWND> objects;

    // Bound objects on the host window and on a page of their own, with unbound windows
    // among them.
    explicit Scene(int perParent) {
        page = createChild(host.window(), L"HueloomTestWindow", WS_CLIPCHILDREN, 0, 200, 600, 200);
        const wchar_t* classes[] = {kHostCheckBoxClass, kHostRadioClass, kHostTrackBarClass};
        for (HWND parent : {host.window(), page}) {
            for (int i = 0; i < perParent; ++i) {
                HWND object =
                    createHostObject(parent, classes[i % 3], 5 + (i % 8) * 70, 5 + (i / 8) * 26, 66, 22);
                REQUIRE(bindCheck(object) == 1);
                objects.push_back(object);
                if (i % 4 == 0) createChild(parent, WC_BUTTONW, BS_PUSHBUTTON, 0, 0, 10, 10);
            }
        }
    }
};

// What the upkeep did before it read the z-order once: for each binding in turn, an overlay
// whose object stands above it, or whose visibility differs, goes to the top.
void upkeepOneBindingAtATime(std::vector<HWND>& order, const std::vector<HWND>& objects) {
    for (HWND object : objects) {
        const hueloom::OverlayBinding* binding = bindingOf(object);
        if (!binding) continue;
        const HWND overlay = binding->overlayWindow;
        const auto overlayAt = std::find(order.begin(), order.end(), overlay);
        const auto objectAt = std::find(order.begin(), order.end(), object);
        if (overlayAt == order.end()) continue;
        const bool visibilityDiffers = hueloom::hasVisibleStyle(object) != hueloom::hasVisibleStyle(overlay);
        if (visibilityDiffers || objectAt < overlayAt) {
            order.erase(overlayAt);
            order.insert(order.begin(), overlay);
        }
    }
}

} // namespace

TEST_CASE("covered overlays from one walk per parent are those a walk of each overlay's siblings finds") {
    Scene scene(24);
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        CAPTURE(seed);
        Shuffler random(seed);
        shuffleZOrder(scene.host.window(), random, 30);
        shuffleZOrder(scene.page, random, 30);
        const auto objects = hueloom::overlayState().bindings.keys();
        const hueloom::WindowSet covered = hueloom::coveredOverlays(objects);
        int expectedCovered = 0;
        for (HWND object : objects) {
            const HWND overlay = bindingOf(object)->overlayWindow;
            const bool walkedOneByOne = hueloom::isWindowAbove(overlay, object);
            CHECK(covered.contains(overlay) == walkedOneByOne);
            expectedCovered += walkedOneByOne ? 1 : 0;
        }
        CHECK(static_cast<int>(covered.size()) == expectedCovered);
    }
}

TEST_CASE("the tick leaves the z-order a binding-by-binding upkeep would leave") {
    Scene scene(20);
    for (uint32_t seed = 100; seed < 108; ++seed) {
        CAPTURE(seed);
        Shuffler random(seed);
        shuffleZOrder(scene.host.window(), random, 25);
        shuffleZOrder(scene.page, random, 25);
        // Objects hidden behind the plug-in's back, so that some overlays are repositioned
        // rather than raised.
        for (HWND object : scene.objects) {
            if (random.below(5) != 0) continue;
            SetWindowLongW(object, GWL_STYLE, GetWindowLongW(object, GWL_STYLE) ^ WS_VISIBLE);
        }
        const auto objects = hueloom::overlayState().bindings.keys();
        std::vector<HWND> expectedHost = childrenTopDown(scene.host.window());
        std::vector<HWND> expectedPage = childrenTopDown(scene.page);
        upkeepOneBindingAtATime(expectedHost, objects);
        upkeepOneBindingAtATime(expectedPage, objects);

        hueloom::syncAllOverlays();

        CHECK(childrenTopDown(scene.host.window()) == expectedHost);
        CHECK(childrenTopDown(scene.page) == expectedPage);
        for (HWND object : scene.objects) {
            const HWND overlay = bindingOf(object)->overlayWindow;
            CHECK(hueloom::hasVisibleStyle(overlay) == hueloom::hasVisibleStyle(object));
            CHECK_FALSE(hueloom::isWindowAbove(overlay, object));
        }
    }
}

TEST_CASE("an object moved to another parent never counts as covering its overlay") {
    ThemedHost host;
    HWND page = createChild(host.window(), L"HueloomTestWindow", 0, 0, 100, 300, 200);
    HWND object = createHostObject(host.window(), kHostCheckBoxClass, 10, 10, 100, 20);
    REQUIRE(bindCheck(object) == 1);
    HWND overlay = bindingOf(object)->overlayWindow;
    // The page holds a bound object of its own, met in its walk before the moved one.
    HWND other = createHostObject(page, kHostCheckBoxClass, 10, 40, 100, 20);
    REQUIRE(bindCheck(other) == 1);
    SetParent(object, page);
    SetWindowPos(object, HWND_TOP, 0, 0, 0, 0, kReorderFlags);

    const auto objects = hueloom::overlayState().bindings.keys();
    const hueloom::WindowSet covered = hueloom::coveredOverlays(objects);
    CHECK_FALSE(covered.contains(overlay));
    CHECK_FALSE(hueloom::isWindowAbove(overlay, object));
    CHECK(covered.empty());
}
