// The controls the plug-in draws, pixel by pixel in Dark: where each shade goes, and the
// states (hot, pressed, selected, focused, disabled, sorted, marquee, owner-drawn parts).
#include <doctest.h>

#include <string>

#include "engine/control_painting.h"
#include "engine/registry.h"
#include "fixtures.h"
#include "look_scene.h"
#include "paint/surface_colors.h"
#include "support/screen_pixels.h"
#include "theme/theme_state.h"

using namespace testing;
using hueloom::Surface;

namespace {

const hueloom::ThemeState& theme() { return hueloom::currentTheme(); }

int countIn(const PixelGrid& grid, const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = std::max(0, int(area.top)); y < std::min(grid.height, int(area.bottom)); ++y)
        for (int x = std::max(0, int(area.left)); x < std::min(grid.width, int(area.right)); ++x)
            count += grid.at(x, y) == colour ? 1 : 0;
    return count;
}

int countAll(const PixelGrid& grid, COLORREF colour) { return countIn(grid, {0, 0, grid.width, grid.height}, colour); }

RECT itemRect(HWND control, UINT message, int index) {
    RECT rect{};
    SendMessageW(control, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

LPARAM pointAt(const RECT& r) { return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

// A parent that paints a colour of its own and counts the WM_DRAWITEM it is asked for.
struct OwnerPage {
    static inline int drawItems = 0;
    static inline ULONG_PTR lastItemData = 0;
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ERASEBKGND) {
            RECT client{};
            GetClientRect(window, &client);
            HBRUSH brush = CreateSolidBrush(RGB(255, 0, 255));
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            DeleteObject(brush);
            return 1;
        }
        if (message == WM_DRAWITEM) {
            ++drawItems;
            lastItemData = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->itemData;
            return TRUE;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    static HWND create(HWND host) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HueloomOwnerPage";
        RegisterClassW(&wc);
        drawItems = 0;
        lastItemData = 0;
        return CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 600, 440, host, nullptr,
                               wc.hInstance, nullptr);
    }
};

// A disabled control writes in the disabled shade and nowhere in the text colour.
void checkWritesDisabled(HWND control, const Surface& s) {
    EnableWindow(control, FALSE);
    const PixelGrid disabled = printClient(control);
    CHECK(countAll(disabled, s.text) == 0);
    CHECK(countAll(disabled, s.disabledText) > 15);
}

} // namespace

TEST_CASE("header: faces, dividers and the line below; hot and pressed items; sort arrows; disabled text") {
    LookScene scene;
    HWND header = scene.header();
    scene.apply(Look::Dark);
    const Surface s = hueloom::controlSurface(theme());
    const RECT first = itemRect(header, HDM_GETITEMRECT, 0);
    const RECT second = itemRect(header, HDM_GETITEMRECT, 1);

    const PixelGrid plain = printClient(header);
    CHECK(plain.at(40, 2) == s.face);
    CHECK(plain.at(second.left + 5, 2) == s.face);
    CHECK(plain.at(first.right - 1, 12) == s.frame);  // the divider
    CHECK(plain.at(40, 23) == s.frame);               // the line below
    CHECK(plain.at(238, 2) == s.face);                // the strip right of the last item
    CHECK(countIn(plain, first, s.text) > 20);

    SUBCASE("the item under the mouse is hot, and pressed while the mouse holds it") {
        SendMessageW(header, WM_MOUSEMOVE, 0, pointAt(second));
        CHECK(hueloom::hotPart().window == header);
        CHECK(hueloom::hotPart().part == 1);
        const PixelGrid hot = printClient(header);
        CHECK(hot.at(second.left + 5, 2) == s.hotFace);
        CHECK(hot.at(40, 2) == s.face);
        SetCapture(header);
        CHECK(printClient(header).at(second.left + 5, 2) == s.pressedFace);
        ReleaseCapture();
        SendMessageW(header, WM_MOUSELEAVE, 0, 0);
        CHECK(hueloom::hotPart().window == nullptr);
        CHECK(printClient(header).at(second.left + 5, 2) == s.face);
    }
    SUBCASE("sort arrows point up for the first column and down for the third") {
        // The arrow stands right of the text: its widest row is at its base.
        const auto widestRow = [&](const RECT& item) {
            int best = -1, bestCount = 0;
            for (int y = 0; y < 23; ++y) {
                const int n = countIn(plain, {item.right - 15, y, item.right - 6, y + 1}, s.text);
                if (n > bestCount) bestCount = n, best = y;
            }
            return best;
        };
        const RECT third = itemRect(header, HDM_GETITEMRECT, 2);
        CHECK(widestRow(first) > 12);   // pointing up: base below the middle
        CHECK(widestRow(third) < 12);   // pointing down: base above it
        CHECK(widestRow(third) >= 0);
    }
    SUBCASE("a disabled header writes in the disabled shade") { checkWritesDisabled(header, s); }
}

TEST_CASE("tab control: the selected tab opens into the framed body; hot, focused and disabled tabs") {
    LookScene scene;
    HWND tabs = scene.tabs();
    scene.apply(Look::Dark);
    const Surface s = hueloom::pageSurface(theme());
    const RECT unselected = itemRect(tabs, TCM_GETITEMRECT, 0);
    const RECT selected = itemRect(tabs, TCM_GETITEMRECT, 1);
    const RECT last = itemRect(tabs, TCM_GETITEMRECT, 2);
    const int bodyTop = static_cast<int>(selected.bottom);

    const PixelGrid plain = printClient(tabs);
    CHECK(plain.at(unselected.left + 4, unselected.top + 3) == s.face);
    CHECK(plain.at(selected.left + 4, selected.top + 3) == s.back);
    CHECK(plain.at(unselected.left, unselected.top + 5) == s.frame);
    CHECK(plain.at(0, bodyTop + 30) == s.frame);   // the body's left edge
    CHECK(plain.at(239, bodyTop + 30) == s.frame);
    CHECK(plain.at(100, 119) == s.frame);
    CHECK(plain.at(100, bodyTop + 30) == s.back);  // the body itself
    CHECK(plain.at((unselected.left + unselected.right) / 2, bodyTop) == s.frame);
    CHECK(plain.at((selected.left + selected.right) / 2, bodyTop) == s.back);  // open
    CHECK(plain.at(238, 2) == s.back);  // beside the tabs: the page
    CHECK(countIn(plain, selected, s.text) > 10);

    SUBCASE("hot tab") {
        SendMessageW(tabs, WM_MOUSEMOVE, 0, pointAt(last));
        CHECK(printClient(tabs).at(last.left + 4, last.top + 3) == s.hotFace);
        SendMessageW(tabs, WM_MOUSELEAVE, 0, 0);
        CHECK(printClient(tabs).at(last.left + 4, last.top + 3) == s.face);
    }
    SUBCASE("focus marks the focused tab") {
        SetFocus(tabs);
        REQUIRE(GetFocus() == tabs);
        CHECK(countDifferent(printClient(tabs), plain, 0) > 0);
        SetFocus(scene.host());
    }
    SUBCASE("disabled tabs write in the disabled shade") { checkWritesDisabled(tabs, s); }
}

TEST_CASE("tab control variants: tabs below the body, tabs as buttons, vertical tabs left to the system") {
    LookScene scene;
    SUBCASE("below") {
        HWND tabs = scene.tabs(TCS_BOTTOM);
        scene.apply(Look::Dark);
        const Surface s = hueloom::pageSurface(theme());
        const RECT selected = itemRect(tabs, TCM_GETITEMRECT, 1);
        const RECT other = itemRect(tabs, TCM_GETITEMRECT, 0);
        const PixelGrid grid = printClient(tabs);
        CHECK(grid.at((selected.left + selected.right) / 2, selected.top - 1) == s.back);
        CHECK(grid.at((other.left + other.right) / 2, other.top - 1) == s.frame);
        CHECK(grid.at(100, 0) == s.frame);  // the body's top edge
    }
    SUBCASE("buttons") {
        HWND tabs = scene.tabs(TCS_BUTTONS);
        scene.apply(Look::Dark);
        const Surface s = hueloom::pageSurface(theme());
        const PixelGrid grid = printClient(tabs);
        CHECK(grid.at(0, 100) == s.back);  // no body frame
        CHECK(grid.at(239, 100) == s.back);
    }
    SUBCASE("vertical") {
        HWND tabs = scene.tabs(TCS_VERTICAL | TCS_MULTILINE);
        scene.apply(Look::Dark);
        CHECK_FALSE(hueloom::windowRegistry().paintedControls.contains(tabs));
    }
}

TEST_CASE("progress bar: a framed track with the accent up to the position, from the bottom when upright") {
    LookScene scene;
    HWND bar = scene.progress();
    HWND upright = scene.progress(PBS_VERTICAL);
    SetWindowPos(upright, nullptr, 300, 170, 18, 100, SWP_NOZORDER);
    scene.apply(Look::Dark);
    const Surface s = hueloom::controlSurface(theme());
    const PixelGrid sixty = printClient(bar);
    CHECK(countIn(sixty, {0, 9, 200, 10}, theme().accent) == 119);  // 60 % of 198
    CHECK(sixty.at(1, 9) == theme().accent);
    CHECK(sixty.at(190, 9) == s.back);
    CHECK(sixty.at(0, 9) == s.frame);
    CHECK(sixty.at(100, 0) == s.frame);

    SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(-50), 50);
    SendMessageW(bar, PBM_SETPOS, 0, 0);
    CHECK(countIn(printClient(bar), {0, 9, 200, 10}, theme().accent) == 99);
    EnableWindow(bar, FALSE);
    CHECK(countIn(printClient(bar), {0, 9, 200, 10}, s.disabledText) == 99);

    const PixelGrid column = printClient(upright);
    CHECK(countIn(column, {9, 0, 10, 100}, theme().accent) == 59);
    CHECK(column.at(9, 97) == theme().accent);
    CHECK(column.at(9, 5) == s.back);
}

TEST_CASE("marquee: one block of accent that moves on while the control repaints") {
    LookScene scene;
    HWND bar = scene.progress(PBS_MARQUEE);
    scene.apply(Look::Dark);
    const auto runOf = [&](const PixelGrid& grid) {
        int first = -1, count = 0;
        for (int x = 0; x < grid.width; ++x)
            if (grid.at(x, 9) == theme().accent) {
                if (first < 0) first = x;
                ++count;
            }
        return std::make_pair(first, count);
    };
    // The block is at most a quarter of the track; it is off the track for a fifth of a run.
    std::pair<int, int> seen[3];
    for (auto& run : seen) {
        run = runOf(printClient(bar));
        CHECK(run.second <= 50);
        Sleep(300);
    }
    CHECK((seen[0] != seen[1] || seen[1] != seen[2]));
}

TEST_CASE("group box: the parent's page shows through, the frame opens for the caption") {
    LookScene scene;
    HWND page = OwnerPage::create(scene.host());
    HWND box = CreateWindowExW(0, WC_BUTTONW, L"Choices", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 20, 20, 160, 90, page,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    scene.apply(Look::Dark);
    const Surface s = hueloom::pageSurface(theme());
    const PixelGrid grid = printClient(box);
    CHECK(grid.at(80, 50) == RGB(255, 0, 255));  // the page behind, not a colour of the plug-in's
    CHECK(grid.at(0, 50) == s.frame);
    CHECK(grid.at(159, 50) == s.frame);
    CHECK(grid.at(80, 89) == s.frame);
    int topLine = -1;
    for (int y = 0; y < 20; ++y)
        if (grid.at(150, y) == s.frame) topLine = y;
    CHECK(topLine >= 4);
    CHECK(topLine <= 10);
    CHECK(grid.at(2, topLine) == s.frame);
    CHECK(countIn(grid, {6, topLine, 40, topLine + 1}, s.frame) == 0);  // open for the caption
    CHECK(countIn(grid, {8, 0, 80, 2 * topLine + 2}, s.text) > 15);

    checkWritesDisabled(box, s);
}

TEST_CASE("status bar: the strip, parts with dividers, tabbed texts, the grip, simple mode, owner-drawn parts") {
    LookScene scene;
    HWND page = OwnerPage::create(scene.host());
    HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, 0, 0, 0,
                               0, page, nullptr, GetModuleHandleW(nullptr), nullptr);
    int edges[] = {150, 300, -1};
    SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
    SendMessageW(bar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"\tmiddle"));
    scene.apply(Look::Dark);
    const Surface s = hueloom::pageSurface(theme());
    RECT client{};
    GetClientRect(bar, &client);
    const RECT part0 = itemRect(bar, SB_GETRECT, 0);
    const RECT part1 = itemRect(bar, SB_GETRECT, 1);
    const int middle = (client.top + client.bottom) / 2;

    const PixelGrid grid = printClient(bar);
    CHECK(grid.at(100, 0) == s.frame);  // the line along the top
    CHECK(grid.at(100, middle) == s.face);
    CHECK(grid.at(part0.right - 1, middle) == s.frame);
    CHECK(countIn(grid, part0, s.text) > 10);
    // "\tmiddle" is centred in its part.
    const int centre = (part1.left + part1.right) / 2;
    CHECK(countIn(grid, {centre - 25, part1.top, centre + 25, part1.bottom}, s.text) > 10);
    CHECK(countIn(grid, {part1.left, part1.top, part1.left + 30, part1.bottom}, s.text) == 0);
    CHECK(countIn(grid, {client.right - 14, client.bottom - 14, client.right, client.bottom}, s.frame) >= 6 * 4);

    SUBCASE("simple mode shows its one text") {
        SendMessageW(bar, SB_SIMPLE, TRUE, 0);
        SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"Busy"));
        const PixelGrid simple = printClient(bar);
        CHECK(countIn(simple, {0, 0, 60, client.bottom}, s.text) > 10);
        CHECK(simple.at(part0.right - 1, middle) == s.face);  // no dividers
    }
    SUBCASE("an owner-drawn part is handed to the owner with its data") {
        SendMessageW(bar, SB_SETTEXTW, 2 | SBT_OWNERDRAW, 0x5A5A);
        OwnerPage::drawItems = 0;
        (void)printClient(bar);
        CHECK(OwnerPage::drawItems == 1);
        CHECK(OwnerPage::lastItemData == 0x5A5A);
    }
}

TEST_CASE("tooltip: the control colour framed, the tip's text") {
    LookScene scene;
    HWND tip = scene.toolTip();
    scene.apply(Look::Dark);
    REQUIRE(hueloom::windowRegistry().paintedControls.contains(tip));
    const Surface s = hueloom::controlSurface(theme());
    const PixelGrid grid = printClient(tip);
    REQUIRE(grid.width > 20);
    CHECK(grid.at(0, 0) == s.frame);
    CHECK(grid.at(grid.width - 1, grid.height / 2) == s.frame);
    CHECK(grid.at(1, 1) == s.back);
    CHECK(countAll(grid, s.text) > 20);
}
