// List views, tree views and rich edits take the theme's colours by message; what they had
// before comes back exactly when the plug-in's colours go (Reset, System, a title-bar-only
// light mode); selected, hot and tree-button drawing answers the controls' custom draw.
#include <doctest.h>

#include <richedit.h>

#include "engine/color_subclass.h"
#include "engine/item_custom_draw.h"
#include "engine/native_theming.h"
#include "engine/original_look.h"
#include "engine/registry.h"
#include "engine/theming_pass.h"
#include "fixtures.h"
#include "look_scene.h"
#include "paint/paint_colors.h"
#include "paint/surface_colors.h"
#include "theme/theme_state.h"

using namespace testing;

namespace {

const hueloom::ThemeState& theme() { return hueloom::currentTheme(); }

struct Colors {
    COLORREF back, text, third;
    bool operator==(const Colors& o) const { return back == o.back && text == o.text && third == o.third; }
};

Colors listColors(HWND list) {
    return {static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)),
            static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0)),
            static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTBKCOLOR, 0, 0))};
}

Colors treeColors(HWND tree) {
    return {static_cast<COLORREF>(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0)),
            static_cast<COLORREF>(SendMessageW(tree, TVM_GETTEXTCOLOR, 0, 0)),
            static_cast<COLORREF>(SendMessageW(tree, TVM_GETLINECOLOR, 0, 0))};
}

CHARFORMATW allTextFormat(HWND rich) {
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    SendMessageW(rich, EM_SETSEL, 0, -1);
    SendMessageW(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(rich, EM_SETSEL, 0, 0);
    return format;
}

int countNear(const PixelGrid& grid, COLORREF colour, int tolerance) {
    int count = 0;
    for (COLORREF pixel : grid.pixels) count += channelDistance(pixel, colour) <= tolerance ? 1 : 0;
    return count;
}

} // namespace

TEST_CASE("list and tree views: the theme's colours, and the author's own back after every theme") {
    LookScene scene;
    HWND list = scene.listView();
    HWND tree = scene.treeView();
    // Colours an author gave them before any theme.
    SendMessageW(list, LVM_SETBKCOLOR, 0, RGB(250, 240, 200));
    SendMessageW(list, LVM_SETTEXTCOLOR, 0, RGB(90, 0, 0));
    SendMessageW(tree, TVM_SETLINECOLOR, 0, RGB(0, 128, 0));
    const Colors listBefore = listColors(list);
    const Colors treeBefore = treeColors(tree);

    scene.apply(Look::Dark);
    CHECK(listColors(list) == Colors{theme().controlBack, theme().controlText, theme().controlBack});
    const hueloom::Surface s = hueloom::controlSurface(theme());
    CHECK(treeColors(tree) == Colors{s.back, s.text, s.frame});
    REQUIRE(hueloom::findOriginalLook(list) != nullptr);

    // Another theme on top must not be taken for the original.
    scene.apply(Look::Light);
    CHECK(listColors(list).back == theme().controlBack);

    SUBCASE("Reset") {
        scene.reset();
        CHECK(listColors(list) == listBefore);
        CHECK(treeColors(tree) == treeBefore);
        CHECK(hueloom::windowRegistry().originalLooks.empty());
    }
    SUBCASE("the title-bar-only light mode, without the plug-in's colours") {
        hueloom::currentTheme().active = false;
        hueloom::applyNativeTheme(list, hueloom::ControlKind::ListView);
        hueloom::applyNativeTheme(tree, hueloom::ControlKind::TreeView);
        CHECK(listColors(list) == listBefore);
        CHECK(treeColors(tree) == treeBefore);
        // Still remembered: a theme coming back later puts back the same.
        hueloom::currentTheme().active = true;
        hueloom::applyNativeTheme(list, hueloom::ControlKind::ListView);
        hueloom::currentTheme().active = false;
        hueloom::applyNativeTheme(list, hueloom::ControlKind::ListView);
        CHECK(listColors(list) == listBefore);
    }
    SUBCASE("a destroyed control's record goes at the next prune") {
        DestroyWindow(list);
        hueloom::pruneRegistries();
        CHECK(hueloom::findOriginalLook(list) == nullptr);
        CHECK(hueloom::findOriginalLook(tree) != nullptr);
    }
}

TEST_CASE("rich edits: after Dark and Reset the text is automatic again and reads on white (a fault fix)") {
    LookScene scene;
    HWND rich = scene.richEdit();
    const COLORREF systemText = GetSysColor(COLOR_WINDOWTEXT);
    REQUIRE((allTextFormat(rich).dwEffects & CFE_AUTOCOLOR) != 0);

    scene.apply(Look::Dark);
    CHECK(allTextFormat(rich).crTextColor == theme().controlText);
    CHECK((allTextFormat(rich).dwEffects & CFE_AUTOCOLOR) == 0);
    scene.reset();

    const CHARFORMATW after = allTextFormat(rich);
    CHECK((after.dwEffects & CFE_AUTOCOLOR) != 0);
    // On screen: dark letters on the white ground, none in Dark's pale text colour.
    const PixelGrid grid = captureClient(rich);
    CHECK(countNear(grid, systemText, 40) > 20);
    CHECK(countNear(grid, RGB(240, 240, 240), 6) < countNear(grid, RGB(255, 255, 255), 0) / 10);
    CHECK(countNear(grid, RGB(240, 240, 240), 6) == countNear(captureClient(rich), RGB(240, 240, 240), 6));

    SUBCASE("an author's own colours come back as they were") {
        CHARFORMATW red{};
        red.cbSize = sizeof red;
        red.dwMask = CFM_COLOR;
        red.crTextColor = RGB(200, 0, 0);
        SendMessageW(rich, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&red));
        SendMessageW(rich, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&red));
        SendMessageW(rich, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 220));
        scene.apply(Look::Custom);
        scene.reset();
        CHECK(allTextFormat(rich).crTextColor == RGB(200, 0, 0));
        CHECK((allTextFormat(rich).dwEffects & CFE_AUTOCOLOR) == 0);
        const auto background = static_cast<COLORREF>(SendMessageW(rich, EM_SETBKGNDCOLOR, 0, 0));
        CHECK(background == RGB(255, 255, 220));
    }
}

TEST_CASE("list view custom draw: selected rows on the accent, hot rows tinted, the control's highlight off") {
    LookScene scene;
    HWND list = scene.listView();
    scene.apply(Look::Dark);

    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = list;
    draw.nmcd.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    CHECK(hueloom::listViewCustomDraw(&draw) == CDRF_NOTIFYITEMDRAW);

    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = 1;  // selected
    draw.nmcd.uItemState = CDIS_SELECTED | CDIS_FOCUS;
    CHECK(hueloom::listViewCustomDraw(&draw) == CDRF_NEWFONT);
    CHECK(draw.clrTextBk == theme().accent);
    CHECK(draw.clrText == hueloom::checkMarkColor(theme().accent));
    CHECK(draw.nmcd.uItemState == CDIS_FOCUS);

    draw.nmcd.dwItemSpec = 2;  // not selected, under the mouse
    draw.nmcd.uItemState = CDIS_HOT;
    draw.clrText = draw.clrTextBk = 0x123456;
    CHECK(hueloom::listViewCustomDraw(&draw) == CDRF_NEWFONT);
    CHECK(draw.clrTextBk == hueloom::hotItemColors(theme()).back);
    CHECK(draw.clrText == theme().controlText);
    CHECK(draw.nmcd.uItemState == 0);

    draw.nmcd.uItemState = 0;  // a plain row keeps the control's colours
    draw.clrText = draw.clrTextBk = 0x123456;
    CHECK(hueloom::listViewCustomDraw(&draw) == CDRF_NEWFONT);
    CHECK(draw.clrTextBk == 0x123456);

    // On screen, through the parent's subclass: the selected row stands on the accent.
    const PixelGrid grid = captureClient(list);
    CHECK(countNear(grid, theme().accent, 0) > 100);
}

TEST_CASE("tree view custom draw: the selection on the accent and the expand buttons redrawn") {
    LookScene scene;
    HWND tree = scene.treeView();
    scene.apply(Look::Dark);
    const hueloom::Surface s = hueloom::controlSurface(theme());

    const auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    NMTVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = tree;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(root);
    draw.nmcd.uItemState = CDIS_SELECTED;
    draw.iLevel = 0;
    CHECK(hueloom::treeViewCustomDraw(&draw) == (CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT));
    CHECK(draw.clrTextBk == theme().accent);
    CHECK(draw.nmcd.uItemState == 0);

    // The root is expanded and has children: a framed minus in the first column.
    DibCanvas canvas(120, 20);
    canvas.fill(RGB(255, 0, 255));
    draw.nmcd.dwDrawStage = CDDS_ITEMPOSTPAINT;
    draw.nmcd.hdc = canvas.dc();
    draw.nmcd.rc = {0, 0, 120, 16};
    draw.iLevel = 0;
    CHECK(hueloom::treeViewCustomDraw(&draw) == CDRF_DODEFAULT);
    const auto indent = static_cast<int>(SendMessageW(tree, TVM_GETINDENT, 0, 0));
    const int cx = indent / 2, cy = 7;
    CHECK(canvas.pixel(cx - 4, cy) == s.frame);   // left side of the box
    CHECK(canvas.pixel(cx, cy) == s.text);        // the minus
    CHECK(canvas.pixel(cx, cy - 2) == s.back);    // no plus stroke
    CHECK(canvas.pixel(cx - 5, cy) == s.back);    // the ring cleared round the box
    CHECK(canvas.pixel(cx + 10, cy) == RGB(255, 0, 255));  // nothing else touched

    // A collapsed branch gets a plus; a leaf no button.
    const auto child = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD,
                                                                reinterpret_cast<LPARAM>(root)));
    const auto last = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT,
        SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child))));
    canvas.fill(RGB(255, 0, 255));
    draw.iLevel = 1;
    draw.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(last);
    CHECK(hueloom::treeViewCustomDraw(&draw) == CDRF_DODEFAULT);
    CHECK(canvas.pixel(indent + cx, cy - 2) == s.text);
    canvas.fill(RGB(255, 0, 255));
    draw.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(child);
    CHECK(hueloom::treeViewCustomDraw(&draw) == CDRF_DODEFAULT);
    CHECK(canvas.pixel(indent + cx, cy) == RGB(255, 0, 255));
    // ... and is not asked back after its paint at all.
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    CHECK(hueloom::treeViewCustomDraw(&draw) == CDRF_NEWFONT);
}

TEST_CASE("the parent leaves custom draw of list and tree views alone while the theme is off") {
    LookScene scene;
    HWND list = scene.listView();
    scene.apply(Look::Dark);
    hueloom::currentTheme().active = false;
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = list;
    draw.nmcd.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    CHECK(SendMessageW(scene.host(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw)) == CDRF_DODEFAULT);
    hueloom::currentTheme().active = true;
    CHECK(SendMessageW(scene.host(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw)) == CDRF_NOTIFYITEMDRAW);
}
