// The publication's windows and the host objects, driven by real messages.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "fake_plugin.h"
#include "publication_fixture.h"
#include "host_objects.h"
#include "host_session.h"
#include "message_pump.h"
#include "mouse_input.h"
#include "window_census.h"

using namespace standin;
using namespace standin::testing;

namespace {

// The window painted through WM_PRINTCLIENT into a 32-bit bitmap.
class Rendering {
public:
    explicit Rendering(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        const auto* pixels = static_cast<const uint32_t*>(bits);
        pixels_.assign(pixels, pixels + static_cast<size_t>(width_) * height_);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    [[nodiscard]] int darkPixels(RECT area) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const uint32_t pixel = pixels_[static_cast<size_t>(y) * width_ + x];
                if (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF) < 200) ++count;
            }
        return count;
    }
    [[nodiscard]] int height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

// The inside of a check box or radio glyph (13 pixels square at the left, centred).
RECT glyphInside(const Rendering& rendering) {
    const int top = (rendering.height() - 13) / 2;
    return RECT{3, top + 2, 12, top + 11};
}

}  // namespace

TEST_CASE("the demo page has every control and several host objects of each kind") {
    OpenPublication publication;
    for (const char* name : {"Edit",     "Memo",   "Rich",  "List",     "ComboList", "Combo",     "Button1",
                             "Check3",   "Radio2", "Group", "Label1",   "TrackH",    "TrackV",    "Scroll",
                             "ListView", "Tree",   "Tabs",  "Progress", "UpDown",    "UpDownEdit",
                             "Header",   "Marquee", "Status", "Tooltip"})
        CHECK_MESSAGE(session().publication.find(name) != nullptr, name);
    CHECK(countThreadWindowsOfClass(kCheckObjectClass) == 3);
    CHECK(countThreadWindowsOfClass(L"NEOBOOKRADIOBTN") == 3);
    CHECK(countThreadWindowsOfClass(kTrackObjectClass) == 2);
    CHECK(GetParent(named("HostCheck1")) == session().publication.currentPage());
    CHECK(GetParent(session().publication.currentPage()) == session().publication.hostWindow());
}

TEST_CASE("a host check box toggles its variable at each click and paints its state") {
    OpenPublication publication;
    HWND check = named("HostCheck1");
    CHECK(variable("[Agree]") == "False");
    CHECK(Rendering(check).darkPixels(glyphInside(Rendering(check))) == 0);
    sendClick(check, clientCentre(check));
    CHECK(variable("[Agree]") == "True");
    const Rendering checked(check);
    CHECK(checked.darkPixels(glyphInside(checked)) > 5);
    sendClick(check, POINT{5, 10});
    CHECK(variable("[Agree]") == "False");

    SUBCASE("a button released outside the object is no click") {
        SendMessageW(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
        SendMessageW(check, WM_LBUTTONUP, 0, MAKELPARAM(5, 500));
        CHECK(variable("[Agree]") == "False");
    }
    SUBCASE("a disabled object ignores clicks") {
        EnableWindow(check, FALSE);
        sendClick(check, clientCentre(check));
        CHECK(variable("[Agree]") == "False");
    }
}

TEST_CASE("a host radio writes its caption into the group's variable; the others lose the dot") {
    OpenPublication publication;
    HWND small = named("HostRadio1");
    HWND medium = named("HostRadio2");
    {
        const Rendering before(medium);
        CHECK(before.darkPixels(glyphInside(before)) > 0);
    }
    sendClick(small, clientCentre(small));
    CHECK(variable("[Size]") == "Small");
    const Rendering mediumAfter(medium);
    const Rendering smallAfter(small);
    CHECK(mediumAfter.darkPixels(glyphInside(mediumAfter)) == 0);
    CHECK(smallAfter.darkPixels(glyphInside(smallAfter)) > 0);
}

TEST_CASE("a variable set by anyone repaints the objects tied to it") {
    OpenPublication publication;
    HWND notify = named("HostCheck2");
    HWND agree = named("HostCheck1");
    ValidateRect(notify, nullptr);
    ValidateRect(agree, nullptr);
    session().setVariable("[NOTIFY]", "False");
    CHECK(GetUpdateRect(notify, nullptr, FALSE));
    CHECK_FALSE(GetUpdateRect(agree, nullptr, FALSE));
}

TEST_CASE("dragging a host track bar writes whole positions within its range") {
    OpenPublication publication;
    HWND volume = named("HostTrack1");
    RECT client{};
    GetClientRect(volume, &client);
    sendDrag(volume, POINT{100, 15}, POINT{client.right + 40, 15});
    CHECK(variable("[Volume]") == "100");
    sendDrag(volume, POINT{100, 15}, POINT{-40, 15});
    CHECK(variable("[Volume]") == "0");
    sendDrag(volume, POINT{0, 15}, POINT{client.right / 2, 15});
    CHECK(variable("[Volume]") == "50");
    HWND balance = named("HostTrack2");
    sendClick(balance, POINT{0, 15});
    CHECK(variable("[Balance]") == "-50");
    // Moving without the button down changes nothing.
    sendMouseMove(balance, POINT{client.right, 15});
    CHECK(variable("[Balance]") == "-50");
}

TEST_CASE("scripts create, change and destroy objects and controls by name") {
    OpenPublication publication;
    const fake::ScriptRun run = fake::runScript(
        "HostObject check \"Extra\" \"Extra box\" 20 420 150 22 \"ExtraVar\"\n"
        "HostObject track \"Slider\" \"10,20\" 20 450 200 30 \"[Level]\"\n"
        "CreateControl \"Button\" \"Push\" \"Press\" 200 420 80 26\n"
        "GetHandle \"Extra\" \"[H]\"\n"
        "Click \"Extra\"\n"
        "AssertEq \"[ExtraVar]\" \"True\"\n"
        "Move \"Extra\" 30 430\n"
        "Resize \"Extra\" 160 24\n"
        "GetVisible \"Push\" \"[Shown]\"\n"
        "AssertEq \"[Shown]\" \"1\"\n"
        "Hide \"Push\"\n"
        "GetVisible \"Push\" \"[Shown]\"\n"
        "AssertEq \"[Shown]\" \"0\"\n"
        "Disable \"Slider\"\n"
        "SetCheck \"Check3\" 2\n"
        "GetCheck \"Check3\" \"[C]\"\n"
        "AssertEq \"[C]\" \"2\"\n"
        "SetText \"Edit\" \"typed\"\n"
        "GetText \"Edit\" \"[T]\"\n"
        "AssertEq \"[T]\" \"typed\"\n"
        "DestroyControl \"Push\"\n");
    REQUIRE(run.errors.empty());
    CHECK(run.flow == Flow::End);
    CHECK(session().outcome.failed == 0);
    HWND extra = named("Extra");
    CHECK(variable("[H]") == std::to_string(reinterpret_cast<uintptr_t>(extra)));
    RECT box{};
    GetWindowRect(extra, &box);
    MapWindowPoints(nullptr, GetParent(extra), reinterpret_cast<POINT*>(&box), 2);
    CHECK(box.left == 30);
    CHECK(box.top == 430);
    CHECK(box.right - box.left == 160);
    CHECK_FALSE(IsWindowEnabled(named("Slider")));
    CHECK(session().publication.find("Push") == nullptr);
}

TEST_CASE("mistakes with windows stop the script with an error") {
    OpenPublication publication;
    for (const char* line :
         {"Click \"Nobody\"", "HostObject box \"B\" \"c\" 1 1 1 1 \"V\"",
          "HostObject check \"Edit\" \"taken\" 1 1 1 1 \"V\"", "HostObject track \"T\" \"5,5\" 1 1 1 1 \"V\"",
          "HostObject check \"C\" \"c\" 1 x 1 1 \"V\"", "HostObject check \"C\" \"c\" 1 1 1 1 \"\"",
          "GetHandle \"Edit\" \"NoBrackets\"", "SetCheck \"Check1\" 3", "Destroy \"Page1\"",
          "CreateControl \"NoSuchClass\" \"N\" \"\" 1 1 1 1", "CloseDialog \"Never\"", "ShowPage \"Edit\"",
          "SetPageColour \"1,2\"", "SetPageColour \"red\"", "SetPageColour \"0,0,256\""}) {
        session().outcome = Outcome{};
        CHECK_MESSAGE(fake::runScript(line).flow == Flow::Failed, line);
        CHECK(session().outcome.scriptError);
    }
    session().outcome = Outcome{};
}

TEST_CASE("the new bottom row: a header with sort arrows, a running marquee, a status bar, a tip on Button1") {
    OpenPublication publication;
    HWND header = named("Header");
    CHECK(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 3);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    CHECK((item.fmt & HDF_SORTUP) != 0);
    CHECK((GetWindowLongW(named("Marquee"), GWL_STYLE) & PBS_MARQUEE) != 0);
    HWND status = named("Status");
    CHECK(SendMessageW(status, SB_GETPARTS, 0, 0) == 3);
    RECT page{}, bar{};
    GetClientRect(session().publication.currentPage(), &page);
    GetWindowRect(status, &bar);
    MapWindowPoints(nullptr, session().publication.currentPage(), reinterpret_cast<POINT*>(&bar), 2);
    CHECK(bar.bottom == page.bottom);  // along the bottom of the page
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = session().publication.currentPage();
    tool.uId = reinterpret_cast<UINT_PTR>(named("Button1"));
    CHECK(SendMessageW(named("Tooltip"), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != 0);
}

TEST_CASE("SetPageColour colours every page as an author's page colour does; \"\" gives the default back") {
    OpenPublication publication;
    REQUIRE(session().publication.newPage("Second").empty());
    const auto pageColourOf = [](HWND page) {
        RECT client{};
        GetClientRect(page, &client);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(page, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        GdiFlush();
        const uint32_t pixel = *static_cast<const uint32_t*>(bits) & 0xFFFFFF;
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    };
    CHECK(fake::runScript("SetPageColour \"21,32,43\"").flow != Flow::Failed);
    CHECK(pageColourOf(named("Page1")) == RGB(21, 32, 43));
    CHECK(pageColourOf(named("Second")) == RGB(21, 32, 43));
    CHECK(fake::runScript("SetPageColour \"\"").flow != Flow::Failed);
    CHECK(pageColourOf(named("Page1")) == GetSysColor(COLOR_BTNFACE));
    // A new script file starts with the default too.
    CHECK(fake::runScript("SetPageColour \" 1, 2, 3 \"").flow != Flow::Failed);
    session().publication.open();
    CHECK(pageColourOf(named("Page1")) == GetSysColor(COLOR_BTNFACE));
}

TEST_CASE("pages: a second page has its own controls and pages switch") {
    OpenPublication publication;
    Publication& p = session().publication;
    HWND first = p.currentPage();
    REQUIRE(p.newPage("Page2").empty());
    CHECK_FALSE(p.newPage("page2").empty());
    HWND second = named("Page2");
    CHECK(GetParent(named("Page2.Edit")) == second);
    CHECK_FALSE(IsWindowVisible(second));
    REQUIRE(p.showPage("Page2").empty());
    CHECK(IsWindowVisible(second));
    CHECK_FALSE(IsWindowVisible(first));
    CHECK(p.currentPage() == second);
    // New objects go to the page on show.
    CHECK(fake::runScript("HostObject radio \"R\" \"Yes\" 1 1 80 20 \"Answer\"").flow == Flow::End);
    CHECK(GetParent(named("R")) == second);
}

TEST_CASE("dialogs are owned by the host window and close by script or by their buttons") {
    OpenPublication publication;
    Publication& p = session().publication;
    REQUIRE(p.openDialog("Dlg").empty());
    HWND dialog = named("Dlg");
    CHECK(GetWindow(dialog, GW_OWNER) == p.hostWindow());
    CHECK(GetParent(named("Dlg.Check")) == dialog);
    sendClick(named("Dlg.OK"), POINT{5, 5});
    pumpMessages(50);
    CHECK_FALSE(IsWindow(dialog));
    CHECK_FALSE(p.closeDialog("Dlg").empty());
    REQUIRE(p.openDialog("Dlg").empty());
    CHECK(p.closeDialog("Dlg").empty());
    CHECK(p.find("Dlg") == nullptr);
}

TEST_CASE("closing the publication destroys every window it made, the host window stays") {
    fake::startWithFake();
    Publication& p = session().publication;
    p.open();
    REQUIRE(p.openDialog("Dlg").empty());
    HWND page = p.currentPage();
    HWND dialog = named("Dlg");
    p.close();
    CHECK_FALSE(IsWindow(page));
    CHECK_FALSE(IsWindow(dialog));
    CHECK(countThreadWindowsOfClass(kCheckObjectClass) == 0);
    CHECK(IsWindow(p.hostWindow()));
    CHECK(p.find("Edit") == nullptr);
}

TEST_CASE("the GDI probe sees a leaked handle") {
    const int before = countFreeGdiHandles();
    HBRUSH leaked = CreateSolidBrush(RGB(1, 2, 3));
    const int during = countFreeGdiHandles();
    DeleteObject(leaked);
    CHECK(during == before - 1);
    CHECK(countFreeGdiHandles() == before);
}

TEST_CASE("AutoPress answers a dialog that keeps a call waiting") {
    fake::startWithFake();
    queueButtonPress(session(), L"No");
    // Should "No" never be found, "Cancel" ends the box, so the test fails instead of hanging.
    queueButtonPress(session(), L"Cancel");
    const int answer =
        MessageBoxW(session().publication.hostWindow(), L"Proceed?", L"Question", MB_YESNOCANCEL);
    CHECK(answer == IDNO);
    CHECK(session().pendingPresses.size() == 1);
    session().pendingPresses.clear();
    pumpMessages(150);
    CHECK(session().pressTimer == 0);
}

TEST_CASE("the host window's menu bar: File, Edit and Help, and gone when the file ends") {
    HWND host = session().publication.hostWindow();
    {
        OpenPublication publication;
        CHECK(GetMenu(host) == nullptr);
        session().publication.setMenuBar(true);
        HMENU bar = GetMenu(host);
        REQUIRE(bar != nullptr);
        CHECK(GetMenuItemCount(bar) == 3);
        wchar_t title[16] = {};
        GetMenuStringW(bar, 2, title, 16, MF_BYPOSITION);
        CHECK(std::wstring(title) == L"&Help");
        CHECK(GetMenuItemCount(GetSubMenu(bar, 0)) == 4);
        session().publication.setMenuBar(true);  // once only
        CHECK(GetMenu(host) == bar);
        session().publication.setMenuBar(false);
        CHECK(GetMenu(host) == nullptr);
        session().publication.setMenuBar(true);
    }
    CHECK(GetMenu(host) == nullptr);
}
