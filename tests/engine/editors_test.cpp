// The design-time editors, driven through their real dialogs as an author would.
#include <doctest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "editors/editor_choices.h"
#include "editors/editor_controls.h"
#include "editors_test_helpers.h"
#include "fixtures.h"
#include "plugin/entry_points.h"
#include "support/fault_injector.h"

using namespace editors_testing;
namespace ids = hueloom::editor_controls;

namespace {

constexpr wchar_t kModeCaption[] = L"Hueloom - Mode";
constexpr wchar_t kApplyCaption[] = L"Hueloom - Apply Skin";
constexpr wchar_t kColorCaption[] = L"Color";
constexpr wchar_t kFileCaption[] = L"Choose skin file";
constexpr wchar_t kAutoRefreshCaption[] = L"Hueloom - Auto refresh";

// A host window in the foreground, as the authoring tool is while its script editor runs.
// One for the whole run: every top-level window costs seconds to take down under Wine.
struct EditorHost {
    HWND window;
    EditorHost() {
        static HWND shared = testing::createHostWindow();
        window = shared;
        testing::resetPlugin(window);
        SetForegroundWindow(window);
        testing::pumpMessages(50);  // let the X server's focus events settle
    }
};

void requireDriven(const DialogDriver& driver) {
    for (const std::string& problem : driver.problems()) FAIL_CHECK(problem);
    CHECK(driver.allStepsRan());
}

std::wstring staticText(HWND dialog) {
    // The message box's text is its one static control with text.
    std::wstring text;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Static") == 0 && !windowText(child).empty()) text = windowText(child);
    }
    return text;
}

struct TempSkinFile {
    std::wstring folder;
    std::wstring path;
    TempSkinFile() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"hueloom-editor-test";
        CreateDirectoryW(folder.c_str(), nullptr);
        path = folder + L"\\Night Sky.ini";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }
    ~TempSkinFile() {
        DeleteFileW(path.c_str());
        RemoveDirectoryW(folder.c_str());
    }
};

} // namespace

TEST_CASE("the mode editor pre-selects what SetMode would take; empty and unknown words, Dark") {
    using hueloom::Mode;
    using hueloom::preselectedMode;
    for (const wchar_t* word : {L"system", L"DEFAULT", L" none ", L"0"}) {
        CHECK(preselectedMode(word) == Mode::System);
    }
    CHECK(preselectedMode(L"dark") == Mode::Dark);
    CHECK(preselectedMode(L"1") == Mode::Dark);
    CHECK(preselectedMode(L" Light") == Mode::Light);
    CHECK(preselectedMode(L"2") == Mode::Light);
    CHECK(preselectedMode(L"") == Mode::Dark);
    CHECK(preselectedMode(L"   ") == Mode::Dark);
    CHECK(preselectedMode(L"dusk") == Mode::Dark);
    CHECK(preselectedMode(L"\tsystem") == Mode::Dark);
}

TEST_CASE("mode editor pre-selects from the word and writes the chosen mode") {
    EditorHost host;

    SUBCASE("light in capitals with spaces is pre-selected, and OK writes it capitalised") {
        HostParams params{"  LIGHT "};
        bool lightShown = false, darkShown = true, systemShown = true;
        HFONT font = nullptr;
        bool shotSaved = false;
        DialogDriver driver;
        driver.when(kModeCaption, [&](HWND dialog) {
            lightShown = isChecked(dialog, ids::kLightButton);
            darkShown = isChecked(dialog, ids::kDarkButton);
            systemShown = isChecked(dialog, ids::kSystemButton);
            font = reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDOK, WM_GETFONT, 0, 0));
            shotSaved = saveScreenshotIfAsked(dialog, L"mode-editor");
            clickButton(dialog, IDOK);
        });
        CHECK(nbEditAction(2, params.array()) == 1);
        requireDriven(driver);
        CHECK(lightShown);
        CHECK_FALSE(darkShown);
        CHECK_FALSE(systemShown);
        CHECK(params.text(0) == "Light");
        CHECK(shotSaved);
        // The dialog font was the editor's own and went with the dialog.
        CHECK(font != nullptr);
        CHECK(GetObjectType(font) == 0);
    }

    SUBCASE("a mode the author clicks is written, whatever the parameter held") {
        const std::pair<int, const char*> clicks[] = {{ids::kSystemButton, "System"}, {ids::kAutoButton, "Auto"}};
        for (const auto& [button, written] : clicks) {
            CAPTURE(written);
            HostParams params{"dark"};
            DialogDriver driver;
            driver.when(kModeCaption, [button = button](HWND dialog) {
                clickButton(dialog, button);
                clickButton(dialog, IDOK);
            });
            CHECK(nbEditAction(2, params.array()) == 1);
            requireDriven(driver);
            CHECK(params.text(0) == written);
        }
    }

    SUBCASE("\" auto \" pre-selects Auto, the fourth choice below the others, and writes Auto") {
        HostParams params{" auto "};
        bool autoShown = false, othersShown = true;
        RECT autoBox{}, systemBox{}, okBox{};
        DialogDriver driver;
        driver.when(kModeCaption, [&](HWND dialog) {
            autoShown = isChecked(dialog, ids::kAutoButton);
            othersShown = isChecked(dialog, ids::kDarkButton) || isChecked(dialog, ids::kLightButton) ||
                          isChecked(dialog, ids::kSystemButton);
            GetWindowRect(GetDlgItem(dialog, ids::kAutoButton), &autoBox);
            GetWindowRect(GetDlgItem(dialog, ids::kSystemButton), &systemBox);
            GetWindowRect(GetDlgItem(dialog, IDOK), &okBox);
            clickButton(dialog, IDOK);
        });
        CHECK(nbEditAction(2, params.array()) == 1);
        requireDriven(driver);
        CHECK(autoShown);
        CHECK_FALSE(othersShown);
        CHECK(autoBox.top >= systemBox.bottom);
        CHECK(autoBox.left == systemBox.left);
        CHECK(okBox.top >= autoBox.bottom);
        CHECK(params.text(0) == "Auto");
    }

    SUBCASE("\"default\" pre-selects System, as SetMode reads it") {
        HostParams params{" Default "};
        bool systemShown = false, darkShown = true;
        DialogDriver driver;
        driver.when(kModeCaption, [&](HWND dialog) {
            systemShown = isChecked(dialog, ids::kSystemButton);
            darkShown = isChecked(dialog, ids::kDarkButton);
            clickButton(dialog, IDOK);
        });
        CHECK(nbEditAction(2, params.array()) == 1);
        requireDriven(driver);
        CHECK(systemShown);
        CHECK_FALSE(darkShown);
        CHECK(params.text(0) == "System");
    }

    SUBCASE("Enter accepts and Escape cancels") {
        HostParams params{"system"};
        DialogDriver driver;
        driver.when(kModeCaption, [](HWND dialog) { pressKey(dialog, VK_RETURN); });
        CHECK(nbEditAction(2, params.array()) == 1);
        CHECK(params.text(0) == "System");

        HostParams untouched{"light"};
        driver.when(kModeCaption, [](HWND dialog) { pressKey(dialog, VK_ESCAPE); });
        CHECK(nbEditAction(2, untouched.array()) == 0);
        // Enter on a focused push button presses that button, not OK.
        driver.when(kModeCaption, [](HWND dialog) {
            SetFocus(GetDlgItem(dialog, IDCANCEL));
            pressKey(dialog, VK_RETURN);
        });
        CHECK(nbEditAction(2, untouched.array()) == 0);
        requireDriven(driver);
        CHECK_FALSE(untouched.written(0));
    }

    SUBCASE("Cancel and closing the window write nothing and return 0") {
        HostParams params{"light"};
        DialogDriver driver;
        driver.when(kModeCaption, [](HWND dialog) { clickButton(dialog, ids::kDarkButton); clickButton(dialog, IDCANCEL); });
        CHECK(nbEditAction(2, params.array()) == 0);
        driver.when(kModeCaption, [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); });
        CHECK(nbEditAction(2, params.array()) == 0);
        requireDriven(driver);
        CHECK_FALSE(params.written(0));
        CHECK(params.text(0) == "light");
        CHECK(findThreadWindow(kModeCaption) == nullptr);
    }

    SUBCASE("an unreadable parameter pre-selects Dark") {
        NoAccessPage page;
        HostParams params{"light"};
        params.pointAt(0, page.address());
        bool darkShown = false;
        DialogDriver driver;
        driver.when(kModeCaption, [&](HWND dialog) {
            darkShown = isChecked(dialog, ids::kDarkButton);
            clickButton(dialog, IDOK);
        });
        CHECK(nbEditAction(2, params.array()) == 1);
        requireDriven(driver);
        CHECK(darkShown);
        CHECK(params.text(0) == "Dark");
    }
}

TEST_CASE("editor dialogs are unowned, centred, sized in 1/96 inch and tabbed in reading order") {
    EditorHost host;
    HostParams params{"", ""};
    RECT client{}, frame{};
    HWND owner = host.window;
    std::vector<int> tabOrder;
    DialogDriver driver;
    driver.when(kApplyCaption, [&](HWND dialog) {
        GetClientRect(dialog, &client);
        GetWindowRect(dialog, &frame);
        owner = GetWindow(dialog, GW_OWNER);
        // Walk from the first tab stop: where the focus stands depends on whether the
        // window manager has activated the dialog yet.
        HWND control = GetNextDlgTabItem(dialog, nullptr, FALSE);
        for (int i = 0; i < 5 && control; ++i) {
            tabOrder.push_back(GetDlgCtrlID(control));
            control = GetNextDlgTabItem(dialog, control, FALSE);
        }
        clickButton(dialog, IDCANCEL);
    });
    CHECK(nbEditAction(1, params.array()) == 0);
    requireDriven(driver);

    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    CHECK(client.right == MulDiv(440, dpiX, 96));
    CHECK(client.bottom == MulDiv(170, dpiY, 96));
    CHECK(owner == nullptr);
    CHECK(tabOrder == std::vector<int>{ids::kSkinFileField, ids::kBrowseButton, ids::kSubroutineField, IDOK, IDCANCEL});
    const int centreX = (frame.left + frame.right) / 2, centreY = (frame.top + frame.bottom) / 2;
    CHECK(std::abs(centreX - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1);
    CHECK(std::abs(centreY - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1);
}

TEST_CASE("apply editor writes both fields as typed and browses for the file") {
    EditorHost host;

    SUBCASE("OK writes both fields exactly as typed") {
        HostParams params{"old.ini", "Old"};
        std::wstring shownFile, shownSubroutine;
        bool shotSaved = false;
        DialogDriver driver;
        driver.when(kApplyCaption, [&](HWND dialog) {
            shownFile = windowText(GetDlgItem(dialog, ids::kSkinFileField));
            shownSubroutine = windowText(GetDlgItem(dialog, ids::kSubroutineField));
            SetDlgItemTextW(dialog, ids::kSkinFileField, L" [PubDir]Skins\\Missing Skin.ini ");
            SetDlgItemTextW(dialog, ids::kSubroutineField, L"  SkinObjects");
            shotSaved = saveScreenshotIfAsked(dialog, L"apply-editor");
            clickButton(dialog, IDOK);
        });
        CHECK(nbEditAction(1, params.array()) == 1);
        requireDriven(driver);
        CHECK(shownFile == L"old.ini");
        CHECK(shownSubroutine == L"Old");
        CHECK(params.text(0) == " [PubDir]Skins\\Missing Skin.ini ");
        CHECK(params.text(1) == "  SkinObjects");
        CHECK(shotSaved);
    }

    SUBCASE("a file chosen with Browse... fills the file field; the folder stays current") {
        TempSkinFile skin;
        wchar_t before[MAX_PATH] = {}, after[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, before);
        HostParams params{"old.ini", "Keep"};
        std::vector<std::wstring> types;
        int selectedType = -1;
        HWND fileOwner = nullptr, editor = nullptr;
        std::wstring fieldAfterBrowse;
        DialogDriver driver;
        driver.when(kApplyCaption, [&](HWND dialog) { editor = dialog; clickButton(dialog, ids::kBrowseButton); })
            .when(kFileCaption, [&](HWND dialog) {
                types = fileTypes(dialog, &selectedType);
                fileOwner = GetWindow(dialog, GW_OWNER);
                openFile(dialog, skin.path);
            })
            .when(kApplyCaption, [&](HWND dialog) {
                fieldAfterBrowse = windowText(GetDlgItem(dialog, ids::kSkinFileField));
                clickButton(dialog, IDOK);
            });
        CHECK(nbEditAction(1, params.array()) == 1);
        requireDriven(driver);
        GetCurrentDirectoryW(MAX_PATH, after);
        CHECK(types == std::vector<std::wstring>{L"Skin files (*.ini)", L"All files"});
        CHECK(selectedType == 0);
        CHECK(fileOwner == editor);
        CHECK(lstrcmpiW(fieldAfterBrowse.c_str(), skin.path.c_str()) == 0);
        CHECK(lstrcmpiW(before, after) == 0);
        CHECK(_stricmp(params.text(0).c_str(), narrow(skin.path).c_str()) == 0);
        CHECK(params.text(1) == "Keep");
    }

    SUBCASE("cancelling Browse... changes nothing, and Cancel writes nothing") {
        HostParams params{"old.ini", "Old"};
        std::wstring fieldAfterBrowse;
        DialogDriver driver;
        driver.when(kApplyCaption, [](HWND dialog) { clickButton(dialog, ids::kBrowseButton); })
            .when(kFileCaption, [](HWND dialog) { clickButton(dialog, IDCANCEL); })
            .when(kApplyCaption, [&](HWND dialog) {
                fieldAfterBrowse = windowText(GetDlgItem(dialog, ids::kSkinFileField));
                clickButton(dialog, IDCANCEL);
            });
        CHECK(nbEditAction(1, params.array()) == 0);
        requireDriven(driver);
        CHECK(fieldAfterBrowse == L"old.ini");
        CHECK_FALSE(params.written(0));
        CHECK_FALSE(params.written(1));
    }

    SUBCASE("unreadable parameters start from empty fields") {
        NoAccessPage page;
        HostParams params{"a", "b"};
        params.pointAt(0, page.address());
        params.pointAt(1, page.address() + 16);
        std::wstring shownFile = L"?", shownSubroutine = L"?";
        DialogDriver driver;
        driver.when(kApplyCaption, [&](HWND dialog) {
            shownFile = windowText(GetDlgItem(dialog, ids::kSkinFileField));
            shownSubroutine = windowText(GetDlgItem(dialog, ids::kSubroutineField));
            pressKey(dialog, VK_RETURN);
        });
        CHECK(nbEditAction(1, params.array()) == 1);
        requireDriven(driver);
        CHECK(shownFile.empty());
        CHECK(shownSubroutine.empty());
        CHECK(params.text(0).empty());
        CHECK(params.text(1).empty());
    }
}

TEST_CASE("colour editors offer each colour and write the chosen ones as R,G,B") {
    EditorHost host;
    std::vector<COLORREF> offered;
    std::vector<HWND> owners;
    auto choose = [&](COLORREF color) {
        return [&offered, &owners, color](HWND dialog) {
            offered.push_back(shownColor(dialog));
            owners.push_back(GetWindow(dialog, GW_OWNER));
            chooseColor(dialog, color);
        };
    };
    auto cancel = [&](HWND dialog) {
        offered.push_back(shownColor(dialog));
        clickButton(dialog, IDCANCEL);
    };

    SUBCASE("SetColors: #RRGGBB and R,G,B are offered as their colours, bad text as the default") {
        HostParams params{" #3D64F9 ", "10,20,30", "no colour"};
        DialogDriver driver;
        driver.when(kColorCaption, choose(RGB(1, 2, 3)))
            .when(kColorCaption, choose(RGB(250, 128, 0)))
            .when(kColorCaption, choose(RGB(0, 0, 255)));
        CHECK(nbEditAction(3, params.array()) == 1);
        requireDriven(driver);
        CHECK(offered == std::vector<COLORREF>{RGB(61, 100, 249), RGB(10, 20, 30), RGB(32, 32, 32)});
        CHECK(params.text(0) == "1,2,3");
        CHECK(params.text(1) == "250,128,0");
        CHECK(params.text(2) == "0,0,255");
        // The picker sits on the author's window when that is in front.
        // Wine hands the foreground back asynchronously after a dialog closes, so only the
        // first picker's owner is certain here.
        REQUIRE(owners.size() == 3);
        CHECK(owners.front() == host.window);
    }

    SUBCASE("SetColors: the first chosen and the second cancelled returns 1 with only the first written") {
        HostParams params{"red", "blue", "green"};
        DialogDriver driver;
        driver.when(kColorCaption, choose(RGB(9, 8, 7))).when(kColorCaption, cancel);
        CHECK(nbEditAction(3, params.array()) == 1);
        requireDriven(driver);
        CHECK(offered == std::vector<COLORREF>{RGB(255, 0, 0), RGB(0, 0, 255)});
        CHECK(params.text(0) == "9,8,7");
        CHECK(params.oldTextFreed(0));
        CHECK_FALSE(params.written(1));
        CHECK_FALSE(params.written(2));
    }

    SUBCASE("SetColors: cancelling the first colour returns 0 and writes nothing") {
        HostParams params{"", "", ""};
        DialogDriver driver;
        driver.when(kColorCaption, cancel);
        CHECK(nbEditAction(3, params.array()) == 0);
        requireDriven(driver);
        for (size_t i = 0; i < 3; ++i) CHECK_FALSE(params.written(i));
    }

    SUBCASE("SetTitleBar: an unreadable bar colour and a blank text colour start from the defaults") {
        NoAccessPage page;
        HostParams params{"x", ""};
        params.pointAt(0, page.address());
        DialogDriver driver;
        driver.when(kColorCaption, choose(RGB(20, 30, 40))).when(kColorCaption, choose(RGB(200, 210, 220)));
        CHECK(nbEditAction(4, params.array()) == 1);
        requireDriven(driver);
        CHECK(offered == std::vector<COLORREF>{RGB(32, 32, 32), RGB(240, 240, 240)});
        CHECK(params.text(0) == "20,30,40");
        CHECK(params.text(1) == "200,210,220");
    }

    SUBCASE("SetAccent: a chosen colour switches glyph drawing On; cancelling writes nothing") {
        HostParams params{"#00FF00", "Off"};
        DialogDriver driver;
        driver.when(kColorCaption, choose(RGB(0, 120, 215)));
        CHECK(nbEditAction(11, params.array()) == 1);
        CHECK(params.text(0) == "0,120,215");
        CHECK(params.text(1) == "On");

        HostParams cancelled{"#00FF00", "Off"};
        driver.when(kColorCaption, cancel);
        CHECK(nbEditAction(11, cancelled.array()) == 0);
        requireDriven(driver);
        CHECK(offered == std::vector<COLORREF>{RGB(0, 255, 0), RGB(0, 255, 0)});
        CHECK_FALSE(cancelled.written(0));
        CHECK_FALSE(cancelled.written(1));
    }
}

TEST_CASE("auto-refresh editor asks once: Yes writes On, No writes Off, Cancel nothing") {
    EditorHost host;
    std::wstring question;
    auto answer = [&](int button) {
        return [&question, button](HWND box) {
            question = staticText(box);
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        };
    };
    HostParams yes{"Off"}, no{"On"}, cancelled{"On"};
    DialogDriver driver;
    driver.when(kAutoRefreshCaption, answer(IDYES));
    CHECK(nbEditAction(6, yes.array()) == 1);
    CHECK(question == L"Enable automatic theming of new controls and dialogs?\n\nYes = On,  No = Off");
    driver.when(kAutoRefreshCaption, answer(IDNO));
    CHECK(nbEditAction(6, no.array()) == 1);
    driver.when(kAutoRefreshCaption, answer(IDCANCEL));
    CHECK(nbEditAction(6, cancelled.array()) == 0);
    requireDriven(driver);
    CHECK(yes.text(0) == "On");
    CHECK(no.text(0) == "Off");
    CHECK_FALSE(cancelled.written(0));
}

TEST_CASE("an edit whose new texts cannot all be allocated writes none of them") {
    EditorHost host;
    for (const int after : {0, 1}) {  // the first text or the second
        CAPTURE(after);
        HostParams params{"old.ini", "Old"};
        DialogDriver driver;
        driver.when(kApplyCaption, [](HWND dialog) {
            SetDlgItemTextW(dialog, ids::kSkinFileField, L"new.ini");
            SetDlgItemTextW(dialog, ids::kSubroutineField, L"New");
            clickButton(dialog, IDOK);
        });
        testing::FaultInjector injector;
        injector.failNext(testing::FaultPoint::GlobalAlloc, 1, after);
        CHECK(nbEditAction(1, params.array()) == 0);
        requireDriven(driver);
        CHECK_FALSE(params.written(0));
        CHECK_FALSE(params.written(1));
        CHECK(params.text(0) == "old.ini");
        CHECK(params.text(1) == "Old");
    }
}

TEST_CASE("actions without an editor accept their parameters without showing anything") {
    EditorHost host;
    HostParams params{"1", "2", "3", "4", "5", "6"};
    for (int number : {5, 7, 8, 9, 10, 12, 13, 14, 15, 16}) {
        CAPTURE(number);
        WindowCreationCounter windows;
        CHECK(nbEditAction(number, params.array()) == 1);
        CHECK(windows.count() == 0);
    }
    for (int number : {0, 17, -1}) {
        CAPTURE(number);
        WindowCreationCounter windows;
        CHECK(nbEditAction(number, params.array()) == 0);
        CHECK(windows.count() == 0);
    }
    for (size_t i = 0; i < 6; ++i) CHECK_FALSE(params.written(i));
}
