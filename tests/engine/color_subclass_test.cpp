// Colour answers of the subclassed parents, read back from a real DC, and the custom-drawn
// track bar read back from the pixels of a DIB.
#include <doctest.h>

#include "engine/color_subclass.h"
#include "engine/registry.h"
#include "engine/theming_pass.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "paint/theme_brushes.h"
#include "platform/process_lifetime.h"
#include "theme/color.h"
#include "theme/theme_state.h"

using namespace hueloom;
using testing::DibCanvas;
using testing::EngineScene;

namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);

struct DcAnswer {
    LRESULT brush;
    int bkMode;
    COLORREF bkColor, textColor;
};

DcAnswer ask(HWND parent, UINT message, HWND control) {
    DibCanvas canvas(4, 4);
    const HDC dc = canvas.dc();
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(1, 2, 3));
    SetTextColor(dc, RGB(4, 5, 6));
    const LRESULT brush = SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    return {brush, GetBkMode(dc), GetBkColor(dc), GetTextColor(dc)};
}

LRESULT themeBrush(bool page) {
    return reinterpret_cast<LRESULT>(page ? hueloom::themeBrushes().page : hueloom::themeBrushes().control);
}

// The system's own answer sets its colours and brush; the theme's uses its brushes and colours.
bool answeredByTheme(const DcAnswer& answer) {
    const ThemeState& theme = hueloom::currentTheme();
    return answer.brush == themeBrush(false) || answer.brush == themeBrush(true) ||
           answer.bkColor == theme.controlBack || answer.bkColor == theme.pageBack;
}

struct TrackScene {
    EngineScene scene;
    HWND track;

    explicit TrackScene(DWORD style = TBS_HORZ) {
        const bool vertical = (style & TBS_VERT) != 0;
        track = testing::createChild(scene.host(), TRACKBAR_CLASSW, style, 10, 10, vertical ? 30 : 200,
                                     vertical ? 200 : 30);
        SendMessageW(track, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
        SendMessageW(track, TBM_SETPOS, TRUE, 50);
        scene.setMode(Mode::Dark);
        hueloom::currentTheme().accent = RGB(200, 40, 40);  // distinct from every palette colour
        refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    }
    RECT thumb() const {
        RECT r{};
        SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    LRESULT draw(HDC dc, DWORD_PTR item, RECT rc, UINT state = 0) const {
        NMCUSTOMDRAW cd{};
        cd.hdr.hwndFrom = track;
        cd.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
        cd.dwDrawStage = CDDS_ITEMPREPAINT;
        cd.hdc = dc;
        cd.rc = rc;
        cd.dwItemSpec = item;
        cd.uItemState = state;
        return drawTrackBar(&cd);
    }
};

} // namespace

TEST_CASE("edits answer opaque control colours, other kinds sit transparent on the page") {
    EngineScene scene;
    HWND readOnly = scene.child(WC_EDITW, ES_READONLY);
    HWND check = scene.child(WC_BUTTONW, BS_AUTOCHECKBOX);
    HWND list = scene.child(WC_LISTBOXW);
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    const ThemeState& theme = hueloom::currentTheme();

    // A read-only edit asks as a static but keeps the control colours, mode untouched.
    const DcAnswer edit = ask(scene.host(), WM_CTLCOLORSTATIC, readOnly);
    CHECK(edit.brush == themeBrush(false));
    CHECK(edit.bkMode == OPAQUE);
    CHECK(edit.bkColor == theme.controlBack);
    CHECK(edit.textColor == theme.controlText);

    for (UINT message : {UINT{WM_CTLCOLORSTATIC}, UINT{WM_CTLCOLORBTN}}) {
        CAPTURE(message);
        const DcAnswer box = ask(scene.host(), message, check);
        CHECK(box.brush == themeBrush(true));
        CHECK(box.bkMode == TRANSPARENT);
        CHECK(box.bkColor == theme.pageBack);
        CHECK(box.textColor == theme.controlText);
    }
    CHECK(ask(scene.host(), WM_CTLCOLORLISTBOX, list).brush == themeBrush(false));

    // Dialog and scroll-bar colours are never answered.
    for (UINT message : {UINT{WM_CTLCOLORDLG}, UINT{WM_CTLCOLORSCROLLBAR}, UINT{WM_CTLCOLORMSGBOX}}) {
        CAPTURE(message);
        CHECK_FALSE(answeredByTheme(ask(scene.host(), message, readOnly)));
    }
}

TEST_CASE("a combo box's drop-down list gets list colours only when it asks the combo box") {
    EngineScene scene;
    HWND combo = scene.child(WC_COMBOBOXW, CBS_DROPDOWNLIST);
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    REQUIRE(GetComboBoxInfo(combo, &info));
    REQUIRE(info.hwndList != nullptr);
    CHECK_FALSE(testing::isRegistered(info.hwndList));

    const DcAnswer fromCombo = ask(combo, WM_CTLCOLORLISTBOX, info.hwndList);
    CHECK(fromCombo.brush == themeBrush(false));
    CHECK(fromCombo.bkColor == hueloom::currentTheme().controlBack);
    const DcAnswer fromHost = ask(scene.host(), WM_CTLCOLORLISTBOX, info.hwndList);
    CHECK_FALSE(answeredByTheme(fromHost));
}

TEST_CASE("nothing is answered while the theme is inactive, without brush or while shutting down") {
    EngineScene scene;
    HWND edit = scene.child(WC_EDITW);
    scene.setMode(Mode::Dark);
    refreshWindows(hueloom::RefreshScope::NewWindowsOnly);
    REQUIRE(ask(scene.host(), WM_CTLCOLOREDIT, edit).brush == themeBrush(false));

    hueloom::currentTheme().active = false;
    CHECK_FALSE(answeredByTheme(ask(scene.host(), WM_CTLCOLOREDIT, edit)));
    hueloom::currentTheme().active = true;

    hueloom::setShuttingDown(true);
    CHECK_FALSE(answeredByTheme(ask(scene.host(), WM_CTLCOLOREDIT, edit)));
    hueloom::setShuttingDown(false);

    HBRUSH brush = hueloom::themeBrushes().control;
    hueloom::themeBrushes().control = nullptr;
    CHECK_FALSE(answeredByTheme(ask(scene.host(), WM_CTLCOLOREDIT, edit)));
    hueloom::themeBrushes().control = brush;
}

TEST_CASE("track-bar channel: a 4-pixel bar, accent up to the thumb's centre") {
    TrackScene s;
    const RECT thumb = s.thumb();
    const int thumbCentre = (thumb.left + thumb.right) / 2;
    const RECT channel{8, 10, 192, 16};
    REQUIRE(thumbCentre > channel.left + 10);
    REQUIRE(thumbCentre < channel.right - 10);

    DibCanvas canvas(220, 40);
    canvas.fill(kUntouched);
    CHECK(s.draw(canvas.dc(), TBCD_CHANNEL, channel) == CDRF_SKIPDEFAULT);
    const Color channelColor = contrastShade(hueloom::currentTheme().pageBack);
    // Centre row 13: the bar covers rows 11 to 14.
    CHECK(canvas.pixel(channel.left + 4, 13) == hueloom::currentTheme().accent);
    CHECK(canvas.pixel(thumbCentre - 3, 12) == hueloom::currentTheme().accent);
    CHECK(canvas.pixel(thumbCentre + 3, 13) == channelColor);
    CHECK(canvas.pixel(channel.right - 4, 12) == channelColor);
    CHECK(canvas.pixel(50, 10) == kUntouched);
    CHECK(canvas.pixel(50, 15) == kUntouched);

    // Thumb centre at or left of the channel's left end: no accent part at all.
    canvas.fill(kUntouched);
    s.draw(canvas.dc(), TBCD_CHANNEL, RECT{thumbCentre, 10, 192, 16});
    for (int x = thumbCentre; x < 192; ++x) CHECK(canvas.pixel(x, 13) != hueloom::currentTheme().accent);
    CHECK(canvas.pixel(thumbCentre + 4, 13) == channelColor);
}

TEST_CASE("vertical track bar: the accent runs from the thumb's centre down to the bottom") {
    TrackScene s(TBS_VERT);
    const RECT thumb = s.thumb();
    const int thumbCentre = (thumb.top + thumb.bottom) / 2;
    const RECT channel{10, 8, 16, 192};
    REQUIRE(thumbCentre > channel.top + 10);
    REQUIRE(thumbCentre < channel.bottom - 10);

    DibCanvas canvas(40, 220);
    canvas.fill(kUntouched);
    s.draw(canvas.dc(), TBCD_CHANNEL, channel);
    CHECK(canvas.pixel(13, thumbCentre + 3) == hueloom::currentTheme().accent);
    CHECK(canvas.pixel(12, channel.bottom - 4) == hueloom::currentTheme().accent);
    CHECK(canvas.pixel(13, thumbCentre - 3) == contrastShade(hueloom::currentTheme().pageBack));
    CHECK(canvas.pixel(10, 100) == kUntouched);
}

TEST_CASE("track-bar thumb: a circle on the page, shaded by state, grey when disabled") {
    TrackScene s;
    const ThemeState& theme = hueloom::currentTheme();
    const RECT area{20, 5, 40, 35};  // 20 x 30: circle of radius 10 around (30, 20)
    DibCanvas canvas(60, 40);
    const auto centreAfter = [&](UINT state) {
        canvas.fill(kUntouched);
        CHECK(s.draw(canvas.dc(), TBCD_THUMB, area, state) == CDRF_SKIPDEFAULT);
        CHECK(canvas.pixel(30, 7) == theme.pageBack);  // outside the circle, inside the part
        CHECK(canvas.pixel(45, 20) == kUntouched);
        return canvas.pixel(30, 20);
    };
    CHECK(centreAfter(0) == theme.accent);
    CHECK(centreAfter(CDIS_SELECTED) == blendColors(theme.accent, 0x000000, 20));
    // The hot shade of both track painters: 20 % towards white, as the overlays always had.
    CHECK(centreAfter(CDIS_HOT) == blendColors(theme.accent, 0xFFFFFF, 20));
    CHECK(centreAfter(CDIS_SELECTED | CDIS_HOT) == blendColors(theme.accent, 0x000000, 20));

    EnableWindow(s.track, FALSE);
    const Color disabled = blendColors(theme.pageBack, theme.controlText, 45);
    CHECK(centreAfter(CDIS_HOT) == disabled);
    CHECK(centreAfter(CDIS_SELECTED) == disabled);
}

TEST_CASE("track-bar stages and items: ticks skipped, everything else left to the system") {
    TrackScene s;
    DibCanvas canvas(10, 10);
    CHECK(s.draw(canvas.dc(), TBCD_TICS, RECT{0, 0, 10, 10}) == CDRF_SKIPDEFAULT);
    CHECK(s.draw(canvas.dc(), 7, RECT{0, 0, 10, 10}) == CDRF_DODEFAULT);
    NMCUSTOMDRAW cd{};
    cd.hdr.hwndFrom = s.track;
    cd.hdc = canvas.dc();
    cd.dwDrawStage = CDDS_PREPAINT;
    CHECK(drawTrackBar(&cd) == CDRF_NOTIFYITEMDRAW);
    cd.dwDrawStage = CDDS_POSTPAINT;
    CHECK(drawTrackBar(&cd) == CDRF_DODEFAULT);
}

TEST_CASE("the parent answers track-bar custom draw only with glyphs on") {
    TrackScene s;
    NMCUSTOMDRAW cd{};
    cd.hdr.hwndFrom = s.track;
    cd.hdr.idFrom = 0;
    cd.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
    cd.dwDrawStage = CDDS_PREPAINT;
    const auto notify = [&](LPARAM data) { return SendMessageW(s.scene.host(), WM_NOTIFY, 0, data); };
    CHECK(notify(reinterpret_cast<LPARAM>(&cd)) == CDRF_NOTIFYITEMDRAW);
    CHECK(notify(0) == 0);  // passed on untouched

    hueloom::currentTheme().glyphs = false;
    CHECK(notify(reinterpret_cast<LPARAM>(&cd)) == CDRF_DODEFAULT);
    hueloom::currentTheme().glyphs = true;

    // A track bar that is not registered is drawn by the system.
    hueloom::windowRegistry().themedControls.erase(s.track);
    CHECK(notify(reinterpret_cast<LPARAM>(&cd)) == CDRF_DODEFAULT);
}

TEST_CASE("a real track bar printed through its parent shows the themed thumb") {
    TrackScene s;
    RECT client{};
    GetClientRect(s.track, &client);
    DibCanvas canvas(client.right, client.bottom);
    canvas.fill(kUntouched);
    SendMessageW(s.track, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    const RECT thumb = s.thumb();
    CHECK(canvas.pixel((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2) == hueloom::currentTheme().accent);
}

TEST_CASE("track-bar drawing leaves the DC as it found it and leaks no GDI object") {
    TrackScene s;
    DibCanvas canvas(220, 40);
    const HGDIOBJ pen = GetCurrentObject(canvas.dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    const int before = testing::freeGdiHandles();
    for (int i = 0; i < 1000; ++i) {
        s.draw(canvas.dc(), TBCD_CHANNEL, RECT{8, 10, 192, 16});
        s.draw(canvas.dc(), TBCD_THUMB, RECT{20, 5, 40, 35}, CDIS_HOT);
    }
    CHECK(testing::freeGdiHandles() == before);
    CHECK(GetCurrentObject(canvas.dc(), OBJ_PEN) == pen);
    CHECK(GetCurrentObject(canvas.dc(), OBJ_BRUSH) == brush);
}
