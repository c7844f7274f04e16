// The Apply action on real files: the theme and System paths, the export of "Objects",
// the subroutine, files that are missing, locked, huge or garbage, and the skin gallery.
#include <doctest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/auto_refresh.h"
#include "engine/registry.h"
#include "engine_scene.h"
#include "fixtures.h"
#include "paint/theme_brushes.h"
#include "plugin/host_bridge.h"
#include "support/fault_injector.h"
#include "theme/ini_reader.h"
#include "theme/skin_file.h"
#include "theme/theme_state.h"
#include "theme_test_support.h"

using namespace hueloom;
using namespace testing;

namespace {

constexpr int kApply = 1;
constexpr int kSetAccent = 11;

ThemeState& theme() { return hueloom::currentTheme(); }

// Apply straight from its table row, so paths may hold characters outside the code page.
int applySkinFile(const std::wstring& path, const std::wstring& subroutine) {
    return runActionWide(kApply, {path, subroutine});
}

std::string ansi(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

std::wstring fromAnsi(const std::string& bytes) {
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), size);
    return out;
}

// A folder of its own under the temporary folder, removed with everything written to it.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"hueloom-skin-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(counter()++);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::wstring& file : files_) DeleteFileW(file.c_str());
        RemoveDirectoryW(path_.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::wstring& path() const { return path_; }

    std::wstring write(const std::wstring& name, const std::string& bytes) {
        const std::wstring file = path_ + L"\\" + name;
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        REQUIRE(handle != INVALID_HANDLE_VALUE);
        DWORD written = 0;
        if (!bytes.empty()) WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(handle);
        REQUIRE(written == bytes.size());
        files_.push_back(file);
        return file;
    }

private:
    static int& counter() {
        static int next = 0;
        return next;
    }
    std::wstring path_;
    std::vector<std::wstring> files_;
};

int applySkin(const std::wstring& path, const std::string& subroutine = "") {
    return executeAction(kApply, {ansi(path), subroutine});
}

std::string variable(const std::string& name) { return host().var(name); }

// The folder of the skin gallery, reached from this source file under Wine's Z: drive.
std::wstring galleryFolder() {
    std::string source = __FILE__;
    const size_t tests = source.rfind("/tests/");
    REQUIRE(tests != std::string::npos);
    std::wstring folder = L"Z:" + fromAnsi(source.substr(0, tests)) + L"/skins";
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    return folder;
}

std::string readAll(const std::wstring& path) {
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(handle != INVALID_HANDLE_VALUE);
    std::string bytes(GetFileSize(handle, nullptr), '\0');
    DWORD got = 0;
    ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(handle);
    return bytes;
}

std::wstring plainAnsi(std::string_view bytes) { return fromAnsi(std::string(bytes)); }

} // namespace

TEST_CASE("a skin with only Mode=Light is the Light palette, named after its file") {
    EngineScene scene(19045);
    TempFolder folder;
    const std::wstring path = folder.write(L"paper white.v2.ini", "[Hueloom]\r\nMode=Light\r\n");
    theme().titleBar = Color{5};
    theme().glyphs = false;
    theme().articleText = false;
    CHECK(applySkin(path) == 1);
    CHECK(variable("[Skin.LastError]") == "OK - skin 'paper white.v2' applied");
    CHECK(theme().mode == Mode::Light);
    CHECK(theme().active);
    CHECK(theme().controlBack == rgb(255, 255, 255));
    CHECK(theme().controlText == rgb(0, 0, 0));
    CHECK(theme().pageBack == rgb(240, 240, 240));
    CHECK(theme().accent == rgb(0, 120, 215));
    CHECK_FALSE(theme().titleBar.has_value());
    CHECK_FALSE(theme().titleText.has_value());
    CHECK(theme().glyphs);
    CHECK(theme().articleText);
    CHECK(theme().skinName == L"paper white.v2");
    CHECK(theme().skinFile == path);
    CHECK(variable("[Skin.Name]") == "paper white.v2");
    CHECK(variable("[Skin.File]") == ansi(path));
    CHECK(variable("[Skin.Mode]") == "Light");
    CHECK(hueloom::autoRefreshState().running);
    CHECK(hueloom::windowRegistry().updateDepth == 0);
}

TEST_CASE("Mode words and colour keys of a skin") {
    EngineScene scene(19045);
    TempFolder folder;
    SUBCASE("only light selects Light: 2 and blue are Dark") {
        for (const char* word : {"2", "blue", "", "LIGHTER"}) {
            CAPTURE(word);
            CHECK(applySkin(folder.write(L"m.ini", std::string("[Hueloom]\nMode=") + word + "\n")) == 1);
            CHECK(theme().mode == Mode::Dark);
        }
        CHECK(applySkin(folder.write(L"m.ini", "[Hueloom]\nMode= LIGHT \n")) == 1);
        CHECK(theme().mode == Mode::Light);
    }
    SUBCASE("a bad colour keeps the palette value and the skin still applies") {
        CHECK(applySkin(folder.write(L"bad.ini", "[Hueloom]\nControlBack=nonsense\nPageBack=\nTitleBar=#zz\n")) == 1);
        CHECK(variable("[Skin.LastError]") == "OK - skin 'bad' applied");
        CHECK(theme().controlBack == rgb(32, 32, 32));
        CHECK(theme().pageBack == rgb(24, 24, 24));
        CHECK_FALSE(theme().titleBar.has_value());
    }
    SUBCASE("names in other letter cases are found") {
        CHECK(applySkin(folder.write(L"case.ini",
                                 "[HUELOOM]\ncontrolback=#102030\nCONTROLTEXT=white\npageBACK=1,2,3\n"
                                 "titlebar=black\nTitleText=red\nGLYPHS=off\narticletext=False\nname=Cased\n")) == 1);
        CHECK(theme().controlBack == rgb(16, 32, 48));
        CHECK(theme().controlText == rgb(255, 255, 255));
        CHECK(theme().pageBack == rgb(1, 2, 3));
        CHECK(theme().titleBar == Color{0});
        CHECK(theme().titleText == rgb(255, 0, 0));
        CHECK_FALSE(theme().glyphs);
        CHECK_FALSE(theme().articleText);
        CHECK(variable("[Skin.LastError]") == "OK - skin 'Cased' applied");
    }
    SUBCASE("an empty Accent falls back to AccentColor of Objects") {
        CHECK(applySkin(folder.write(L"accent.ini", "[Hueloom]\nAccent=\n[Objects]\nAccentColor=#FF8000\n")) == 1);
        CHECK(theme().accent == rgb(255, 128, 0));
        CHECK(variable("[Skin.AccentColor]") == "255,128,0");
        CHECK(applySkin(folder.write(L"accent.ini", "[Hueloom]\nAccent=teal\n[Objects]\nAccentColor=#FF8000\n")) == 1);
        CHECK(theme().accent == rgb(0, 128, 128));
    }
    SUBCASE("a file without the section is a Dark skin named after the file") {
        CHECK(applySkin(folder.write(L"loose.ini", "Mode=Light\nControlBack=red\n")) == 1);
        CHECK(theme().mode == Mode::Dark);
        CHECK(theme().controlBack == rgb(32, 32, 32));
        CHECK(variable("[Skin.LastError]") == "OK - skin 'loose' applied");
    }
}

TEST_CASE("the section Objects becomes [Skin.*] variables in file order") {
    EngineScene scene(19045);
    TempFolder folder;
    const std::wstring path = folder.write(
        L"objects.ini",
        "[Hueloom]\nName=Objects\n[Objects]\n; comment=skipped\nTitle=Hello\nBorder=#102030\n"
        "Width=200\nHighlight = 10, 20 ,30 \nEmpty=\nBorder=navy\nNoEquals\n");
    host().clear();
    CHECK(applySkin(path) == 1);
    // The section is exported before the name, the file and the theme variables.
    std::vector<std::pair<std::string, std::string>> objects;
    for (const auto& set : host().sets) {
        if (set.first == "[Skin.Name]") break;
        objects.push_back(set);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"[Skin.Title]", "Hello"},     {"[Skin.Border]", "16,32,48"}, {"[Skin.Width]", "200,0,0"},
        {"[Skin.Highlight]", "10,20,30"}, {"[Skin.Empty]", ""},        {"[Skin.Border]", "0,0,128"},
        {"[Skin.NoEquals]", ""}};
    CHECK(objects == expected);
    CHECK(variable("[Skin.Title]") == "Hello");
    CHECK(variable("[Skin.Border]") == "0,0,128");  // the later entry wins
    const std::vector<std::string> names = setNames();
    CHECK(std::find(names.begin(), names.end(), "[Skin.Mode]") > std::find(names.begin(), names.end(), "[Skin.Name]"));
}

TEST_CASE("Mode=None resets, still exports Objects and names the skin") {
    EngineScene scene(19045);
    TempFolder folder;
    executeAction(2, {"Dark"});
    theme().accent = rgb(1, 2, 3);
    const std::wstring path = folder.write(
        L"stock.ini", "[Hueloom]\nMode=None\nName=Stock look\nControlBack=red\nAccent=red\nGlyphs=off\n"
                      "[Objects]\nTitle=Plain\n");
    host().clear();
    CHECK(applySkin(path, "AfterSkin") == 1);
    CHECK(variable("[Skin.LastError]") == "OK - skin 'Stock look' (System mode)");
    CHECK(theme().mode == Mode::System);
    CHECK_FALSE(theme().active);
    CHECK(theme().controlBack == rgb(255, 255, 255));
    CHECK(theme().accent == rgb(1, 2, 3));  // the colour keys are not read
    CHECK(theme().glyphs);
    CHECK(variable("[Skin.Name]") == "Stock look");
    CHECK(variable("[Skin.File]") == ansi(path));
    CHECK(variable("[Skin.Title]") == "Plain");
    CHECK(variable("[Skin.Mode]") == "System");
    CHECK(host().scriptLines == std::vector<std::string>{"GoSub \"AfterSkin\""});
    CHECK_FALSE(hueloom::autoRefreshState().running);
    CHECK(hueloom::windowRegistry().updateDepth == 0);
}

TEST_CASE("the subroutine: exact GoSub line, variables set and repaint frozen while it runs") {
    EngineScene scene(19045);
    TempFolder folder;
    const std::wstring path = folder.write(L"sub.ini", "[Hueloom]\nName=Sub\nMode=Light\n[Objects]\nTitle=Hi\n");
    SUBCASE("spaces only run nothing") {
        CHECK(applySkin(path, "    ") == 1);
        CHECK(host().scriptLines.empty());
    }
    SUBCASE("the name is trimmed and quoted") {
        std::map<std::string, std::string> seen;
        int depth = -1;
        host().onScriptLine = [&](const std::string&) {
            seen = host().variables;
            depth = hueloom::windowRegistry().updateDepth;
        };
        CHECK(applySkin(path, "  Skin Ready  ") == 1);
        CHECK(host().scriptLines == std::vector<std::string>{"GoSub \"Skin Ready\""});
        CHECK(seen["[Skin.Name]"] == "Sub");
        CHECK(seen["[Skin.File]"] == ansi(path));
        CHECK(seen["[Skin.Mode]"] == "Light");
        CHECK(seen["[Skin.Title]"] == "Hi");
        CHECK(seen["[Skin.TitleText]"].empty());
        CHECK(seen.count("[Skin.TitleText]") == 1);
        CHECK(depth > 0);
        CHECK(hueloom::windowRegistry().updateDepth == 0);
    }
    SUBCASE("an action called from the subroutine runs at once") {
        int nested = -1;
        std::string nestedAnswer;
        host().onScriptLine = [&](const std::string&) {
            nested = executeAction(kSetAccent, {"#00FF00", "off"});
            nestedAnswer = host().lastError();
        };
        CHECK(applySkin(path, "Sub") == 1);
        CHECK(nested == 1);
        CHECK(nestedAnswer == "OK");
        CHECK(theme().accent == rgb(0, 255, 0));
        CHECK_FALSE(theme().glyphs);
        CHECK(variable("[Skin.Accent]") == "0,255,0");
        CHECK(variable("[Skin.LastError]") == "OK - skin 'Sub' applied");
        CHECK(hueloom::windowRegistry().updateDepth == 0);
    }
}

TEST_CASE("a subroutine that applies its own skin again stops instead of overflowing the stack") {
    EngineScene scene(19045);
    TempFolder folder;
    const std::wstring path = folder.write(L"again.ini", "[Hueloom]\nName=Again\nMode=Dark\n");
    int calls = 0;
    std::vector<int> results;
    host().onScriptLine = [&](const std::string&) {
        ++calls;
        results.push_back(applySkinFile(path, L"Again"));
    };
    CHECK(applySkinFile(path, L"Again") == 1);
    CHECK(calls == 8);
    REQUIRE_FALSE(results.empty());
    CHECK(results.front() == 0);  // the innermost Apply could not run its subroutine
    CHECK(host().lastError() == "OK - skin 'Again' applied");
    // Every level was left again: the next Apply runs its subroutine.
    host().onScriptLine = [&](const std::string&) { ++calls; };
    calls = 0;
    CHECK(applySkinFile(path, L"Again") == 1);
    CHECK(calls == 1);
    CHECK(hueloom::windowRegistry().updateDepth == 0);
    CHECK(theme().mode == hueloom::Mode::Dark);
}

TEST_CASE("without memory Apply reports what it could not do: its brushes, or handing over its subroutine") {
    EngineScene scene(19045);
    TempFolder folder;
    const std::wstring path = folder.write(L"night.ini", "[Hueloom]\r\nMode=Dark\r\n");
    HostBridge::prepareExchangeBuffers();
    FaultInjector injector;

    SUBCASE("no GDI handles for the brushes: nothing changes") {
        const ThemeSnapshot before = ThemeSnapshot::now();
        injector.failNext(FaultPoint::CreateSolidBrush, 1, 1);
        CHECK(applySkin(path, "Decorate") == 0);
        CHECK(variable("[Skin.LastError]") ==
              "Skin 'night' not applied: not enough GDI resources for its brushes");
        CHECK(ThemeSnapshot::now() == before);
        CHECK(host().scriptLines.empty());
        CHECK(hueloom::windowRegistry().updateDepth == 0);
    }
    SUBCASE("no memory for the GoSub line: the skin is in force, the subroutine did not run") {
        // Every variable still reaches the host, through the exchange buffers.
        injector.failAlways(FaultPoint::GlobalAlloc);
        CHECK(applySkin(path, "Decorate") == 0);
        CHECK(variable("[Skin.LastError]") ==
              "Skin 'night' applied, but subroutine 'Decorate' not run: "
              "not enough memory to hand it to the script");
        CHECK(host().scriptLines.empty());
        CHECK(theme().mode == hueloom::Mode::Dark);
        CHECK(variable("[Skin.Name]") == "night");
        CHECK(hueloom::windowRegistry().updateDepth == 0);
    }
}

TEST_CASE("Reset gives back the memory of a very long skin name and path") {
    EngineScene scene(19045);
    TempFolder folder;
    const std::string name(300000, 'n');
    const std::wstring path = folder.write(L"long.ini", "[Hueloom]\r\nMode=Dark\r\nName=" + name + "\r\n");
    REQUIRE(applySkin(path) == 1);
    REQUIRE(theme().skinName.size() == 300000);
    CHECK(executeAction(7, {}) == 1);
    // An emptied string would keep its 600 KB: the heap must be as before the skin.
    CHECK(theme().skinName.capacity() < 64);
    CHECK(theme().skinFile.capacity() < 64);
}

TEST_CASE("files that are missing, empty, folders or locked change nothing") {
    EngineScene scene(19045);
    TempFolder folder;
    executeAction(2, {"Light"});
    const ThemeSnapshot before = ThemeSnapshot::now();
    const auto refused = [&](const std::wstring& path, const std::string& message) {
        host().clear();
        CHECK(applySkinFile(path, L"Sub") == 0);
        CHECK(host().lastError() == message + ansi(path));
        CHECK(setNames() == std::vector<std::string>{"[Skin.LastError]"});
        CHECK(host().scriptLines.empty());
        CHECK(ThemeSnapshot::now() == before);
        CHECK(hueloom::windowRegistry().updateDepth == 0);
    };
    refused(folder.path() + L"\\missing.ini", "Skin file not found: ");
    refused(folder.path(), "Skin file not found: ");
    refused(folder.path() + L"\\", "Skin file not found: ");
    refused(L"", "Skin file not found: ");
    refused(folder.write(L"empty.ini", ""), "Skin file not found: ");

    const std::wstring locked = folder.write(L"locked.ini", "[Hueloom]\nMode=Dark\n");
    HANDLE exclusive = CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(exclusive != INVALID_HANDLE_VALUE);
    refused(locked, "Cannot open skin file: ");
    CloseHandle(exclusive);

    // Far larger than any skin: refused before it is read.
    refused(folder.write(L"huge.ini", std::string(4 * 1024 * 1024 + 1, ';')), "Cannot open skin file: ");
    refused(folder.write(L"ten.ini", "[Hueloom]\nMode=Dark\n" + std::string(10 * 1024 * 1024, '\n')),
            "Cannot open skin file: ");
}

TEST_CASE("a file another program writes but shares for reading can be applied") {
    EngineScene scene(19045);
    TempFolder folder;
    const std::wstring path = folder.write(L"shared.ini", "[Hueloom]\nName=Shared\n");
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    REQUIRE(writer != INVALID_HANDLE_VALUE);
    CHECK(applySkin(path) == 1);
    CHECK(variable("[Skin.LastError]") == "OK - skin 'Shared' applied");
    CloseHandle(writer);
}

TEST_CASE("odd contents: garbage, a bare mark, bad UTF-8, the largest file") {
    EngineScene scene(19045);
    TempFolder folder;
    SUBCASE("binary garbage is a Dark skin named after the file") {
        std::mt19937 random(7);
        std::string garbage(64 * 1024, '\0');
        for (char& b : garbage) b = static_cast<char>(random() & 0xFF);
        CHECK(applySkin(folder.write(L"garbage.bin", garbage)) == 1);
        CHECK(theme().mode == Mode::Dark);
        CHECK(theme().skinName == L"garbage");
    }
    SUBCASE("a byte-order mark alone") {
        CHECK(applySkin(folder.write(L"bom.ini", "\xEF\xBB\xBF")) == 1);
        CHECK(variable("[Skin.LastError]") == "OK - skin 'bom' applied");
    }
    SUBCASE("invalid UTF-8 after the mark") {
        CHECK(applySkin(folder.write(L"bad-utf8.ini", "\xEF\xBB\xBF[Hueloom]\nName=A\xFF\xFE\nMode=Light\n")) == 1);
        CHECK(theme().skinName == L"A\uFFFD\uFFFD");
        CHECK(theme().mode == Mode::Light);
    }
    SUBCASE("no final line end and a key without =") {
        CHECK(applySkin(folder.write(L"tail.ini", "[Hueloom]\nGlyphs\nMode=Light")) == 1);
        CHECK(theme().mode == Mode::Light);
        CHECK(theme().glyphs);
    }
    SUBCASE("4 MB, the largest file read, and a line of 1 MB") {
        // The short lines sit in a section nobody reads, so only parsing pays for them.
        std::string big = "[Hueloom]\nName=Big\nMode=Light\n[Objects]\nLine=" + std::string(1 << 20, 'x') +
                          "\nLast=end\n[Padding]\n";
        const std::string shortLine = "k\r\n";
        while (big.size() + shortLine.size() <= 4 * 1024 * 1024) big += shortLine;
        const std::wstring path = folder.write(L"big.ini", big);
        const DWORD start = GetTickCount();
        CHECK(applySkinFile(path, L"") == 1);
        MESSAGE("Apply of a 4 MB skin file of short lines: " << GetTickCount() - start << " ms");
        CHECK(variable("[Skin.Last]") == "end");
        CHECK(variable("[Skin.Line]").size() == (1u << 20));
        CHECK(theme().mode == Mode::Light);
    }
}

TEST_CASE("non-ASCII paths and names: UTF-8 with the mark, ANSI without") {
    EngineScene scene(19045);
    TempFolder folder;
    const std::wstring path = folder.write(L"Sk\u00EFn \u0416\u4E2D.ini", "[Hueloom]\nMode=Light\n");
    CHECK(applySkinFile(path, L"") == 1);
    CHECK(theme().skinName == L"Sk\u00EFn \u0416\u4E2D");
    CHECK(theme().skinFile == path);
    CHECK(host().lastError() == ansi(L"OK - skin 'Sk\u00EFn \u0416\u4E2D' applied"));

    const std::string nameBytes = "Name=Gr\xC3\xBCn \xE2\x9C\x93\n";
    CHECK(applySkinFile(folder.write(L"utf8.ini", "\xEF\xBB\xBF[Hueloom]\n" + nameBytes), L"") == 1);
    CHECK(theme().skinName == L"Gr\u00FCn \u2713");
    CHECK(applySkinFile(folder.write(L"ansi.ini", "[Hueloom]\n" + nameBytes), L"") == 1);
    CHECK(theme().skinName == fromAnsi("Gr\xC3\xBCn \xE2\x9C\x93"));
    CHECK(theme().skinName != L"Gr\u00FCn \u2713");
}

TEST_CASE("every skin of the gallery applies as written") {
    EngineScene scene(22631);
    const std::wstring folder = galleryFolder();
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*.ini").c_str(), &found);
    REQUIRE(search != INVALID_HANDLE_VALUE);
    int skins = 0;
    bool objectsSkin = false;
    do {
        const std::wstring path = folder + L"\\" + found.cFileName;
        CAPTURE(ansi(path));
        const IniDocument skin = IniDocument::parse(readAll(path), plainAnsi);
        const std::optional<std::wstring> name = skin.read(L"Hueloom", L"Name");
        REQUIRE(name.has_value());
        CHECK(readAll(path).size() < 4096);
        CHECK(readAll(path).rfind(";", 0) == 0);  // starts with its comment header

        host().clear();
        CHECK(applySkin(path) == 1);
        CHECK(variable("[Skin.LastError]") == ansi(L"OK - skin '" + *name + L"' applied"));
        const bool light = skin.readOr(L"Hueloom", L"Mode", L"") == L"Light";
        CHECK(theme().mode == (light ? Mode::Light : Mode::Dark));
        // Every colour the author wrote must be one the plug-in reads.
        const std::pair<const wchar_t*, int64_t> colours[] = {
            {L"ControlBack", theme().controlBack}, {L"ControlText", theme().controlText},
            {L"PageBack", theme().pageBack},       {L"TitleBar", theme().titleBar.value_or(-1)},
            {L"TitleText", theme().titleText.value_or(-1)}, {L"Accent", theme().accent}};
        for (const auto& [key, value] : colours) {
            const std::wstring text = skin.readOr(L"Hueloom", key, L"");
            if (text.empty()) continue;
            CAPTURE(ansi(key));
            const ParsedColor parsed = parseColor(text);
            CHECK(parsed.ok);
            CHECK(value == static_cast<int64_t>(parsed.color));
        }
        if (const IniSection* objects = skin.section(L"Objects")) {
            objectsSkin = objectsSkin || objects->entries.size() >= 3;
            for (const IniEntry& entry : objects->entries)
                CHECK(host().has(ansi(L"[Skin." + entry.key + L"]")));
        }
        ++skins;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    CHECK(skins >= 6);
    CHECK(objectsSkin);
}

TEST_CASE("cost of reading and applying a typical skin, without windows to repaint") {
    TempFolder folder;
    const std::wstring path = folder.write(
        L"typical.ini",
        "; A typical skin of a few hundred bytes\r\n[Hueloom]\r\nName=Typical\r\nMode=Dark\r\n"
        "ControlBack=#1E1E2E\r\nControlText=#CDD6F4\r\nPageBack=#181825\r\nTitleBar=#11111B\r\n"
        "TitleText=#CDD6F4\r\nAccent=#89B4FA\r\nGlyphs=On\r\nArticleText=On\r\n[Objects]\r\n"
        "Title=#F5C2E7\r\nBorder=#45475A\r\nHighlight=#F9E2AF\r\nCaption=Evening\r\nWidth=240\r\n");
    resetPlugin();  // no host window: no freeze, no pass, no repaint
    loadSystemFunctions();
    // Median microseconds of 200 runs.
    const auto median = [](auto&& work) {
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        std::vector<double> micros;
        for (int i = 0; i < 200; ++i) {
            QueryPerformanceCounter(&start);
            work();
            QueryPerformanceCounter(&end);
            micros.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
                             static_cast<double>(frequency.QuadPart));
        }
        std::sort(micros.begin(), micros.end());
        return micros[micros.size() / 2];
    };
    const std::string bytes = readAll(path);
    int failures = 0;
    const double whole = median([&] { failures += applySkinFile(path, L"") == 1 ? 0 : 1; });
    const double fileOnly = median([&] { (void)readAll(path); });
    const double parseOnly = median([&] { (void)IniDocument::parse(bytes, plainAnsi); });
    CHECK(failures == 0);
    MESSAGE("Apply of a " << bytes.size() << "-byte skin without repaint: median " << whole
                          << " us; of which opening and reading the file alone " << fileOnly
                          << " us, parsing " << parseOnly << " us");
    CHECK(hueloom::currentTheme().skinName == L"Typical");
    deleteThemeBrushes();
    resetPlugin();
}
