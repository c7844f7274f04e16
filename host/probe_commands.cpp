// Letting time pass and looking at the result: the message loop, screenshots, window and
// GDI counts, and answers to the plug-in's dialogs.
#include "command_table.h"
#include "console.h"
#include "dialog_driver.h"
#include "foreign_memory.h"
#include "hang_watch.h"
#include "heap_census.h"
#include "host_session.h"
#include "message_pump.h"
#include "screenshot.h"
#include "text_util.h"
#include "window_census.h"
#include "windows_setting.h"

namespace standin {

namespace {

constexpr int kMaxPumpMilliseconds = 600000;

Flow pump(const Call& call) {
    const auto milliseconds = call.number(0);
    if (!milliseconds || *milliseconds < 0 || *milliseconds > kMaxPumpMilliseconds)
        return call.fail("Pump takes milliseconds from 0 to " + std::to_string(kMaxPumpMilliseconds));
    noteProgress(call.where(), static_cast<DWORD>(*milliseconds));
    pumpMessages(static_cast<DWORD>(*milliseconds));
    return Flow::Next;
}

bool isPlainFileName(std::string_view name) {
    return !name.empty() && name.find_first_of("\\/:*?\"<>|") == std::string_view::npos && name != "." &&
           name != "..";
}

Flow screenshot(const Call& call) {
    const std::string name = call.text(0);
    if (!isPlainFileName(name))
        return call.fail("a screenshot name is a plain file name, not '" + name + "'");
    HWND window = call.session.publication.hostWindow();
    if (call.count() == 2) {
        const std::string windowName = call.text(1);
        const NamedWindow* named = call.session.publication.find(windowName);
        if (!named) return call.fail("no window named '" + windowName + "'");
        window = named->window;
    }
    std::wstring path = call.session.options.shotsFolder;
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
    path += widen(name) + L".bmp";
    const std::string problem = saveWindowScreenshot(window, path);
    if (!problem.empty()) return call.fail("screenshot '" + name + "': " + problem);
    say("host: screenshot " + narrow(path));
    return Flow::Next;
}

Flow getPixel(const Call& call) {
    const NamedWindow* named = call.session.publication.find(call.text(0));
    if (!named) return call.fail("no window named '" + call.text(0) + "'");
    const auto x = call.number(1);
    const auto y = call.number(2);
    if (!x) return call.notANumber(1);
    if (!y) return call.notANumber(2);
    const auto variable = call.variableName(3);
    if (!variable) return Flow::Failed;
    const COLORREF colour = screenPixel(named->window, POINT{*x, *y});
    if (colour == CLR_INVALID) return call.fail("the point is not on the screen");
    call.session.setVariable(*variable, std::to_string(GetRValue(colour)) + "," +
                                            std::to_string(GetGValue(colour)) + "," +
                                            std::to_string(GetBValue(colour)));
    return Flow::Next;
}

Flow countColour(const Call& call) {
    const NamedWindow* named = call.session.publication.find(call.text(0));
    if (!named) return call.fail("no window named '" + call.text(0) + "'");
    const auto rgb = parseRgb(call.text(1));
    if (!rgb) return call.fail("a colour is \"R,G,B\", not '" + call.text(1) + "'");
    const auto variable = call.variableName(2);
    if (!variable) return Flow::Failed;
    const int count = countScreenColour(named->window, RGB((*rgb)[0], (*rgb)[1], (*rgb)[2]));
    if (count < 0) return call.fail("the screen cannot be read");
    call.session.setVariable(*variable, std::to_string(count));
    return Flow::Next;
}

Flow countWindows(const Call& call) {
    const auto variable = call.variableName(1);
    if (!variable) return Flow::Failed;
    call.session.setVariable(*variable, std::to_string(countThreadWindowsOfClass(widen(call.text(0)))));
    return Flow::Next;
}

Flow countSubclassed(const Call& call) {
    const auto variable = call.variableName(0);
    if (!variable) return Flow::Failed;
    call.session.setVariable(*variable, std::to_string(countThreadWindowsWithSubclass()));
    return Flow::Next;
}

Flow countFrozen(const Call& call) {
    const auto variable = call.variableName(0);
    if (!variable) return Flow::Failed;
    const std::vector<NamedWindow> lost = call.session.publication.lostVisibility();
    for (const NamedWindow& named : lost)
        say(call.where() + ": note: '" + named.name + "' was shown by the host but has lost WS_VISIBLE");
    call.session.setVariable(*variable, std::to_string(lost.size()));
    return Flow::Next;
}

Flow moduleLoaded(const Call& call) {
    const auto variable = call.variableName(1);
    if (!variable) return Flow::Failed;
    const std::wstring module = widen(call.text(0));
    call.session.setVariable(*variable, !module.empty() && GetModuleHandleW(module.c_str()) ? "1" : "0");
    return Flow::Next;
}

// With a type, objects of that type count as free too: what the process could create if
// they were deleted, a count that the system's own caches of that type leave alone.
Flow gdiFree(const Call& call) {
    const auto variable = call.variableName(0);
    if (!variable) return Flow::Failed;
    int free = countFreeGdiHandles();
    if (call.count() == 2) free += countGdiObjectsOfType(call.text(1));
    call.session.setVariable(*variable, std::to_string(free));
    return Flow::Next;
}

Flow heapUse(const Call& call) {
    const auto blocks = call.variableName(0);
    if (!blocks) return Flow::Failed;
    const auto bytes = call.variableName(1);
    if (!bytes) return Flow::Failed;
    const HeapUse use = processHeapUse();
    call.session.setVariable(*blocks, std::to_string(use.blocks));
    call.session.setVariable(*bytes, std::to_string(use.bytes));
    return Flow::Next;
}

Flow gdiTypes(const Call& call) {
    const auto variable = call.variableName(0);
    if (!variable) return Flow::Failed;
    call.session.setVariable(*variable, gdiObjectsByType());
    return Flow::Next;
}

// The stopwatch of StartClock and ReadClock, for timing what one command costs.
LARGE_INTEGER g_clockStart{};

Flow startClock(const Call&) {
    QueryPerformanceCounter(&g_clockStart);
    return Flow::Next;
}

Flow readClock(const Call& call) {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const auto variable = call.variableName(0);
    if (!variable) return Flow::Failed;
    const long long ticks = now.QuadPart - g_clockStart.QuadPart;
    call.session.setVariable(*variable, std::to_string(ticks * 1000000 / frequency.QuadPart));
    return Flow::Next;
}

Flow autoPress(const Call& call) {
    const std::string caption = call.text(0);
    if (caption.empty()) return call.fail("AutoPress needs a button caption");
    queueButtonPress(call.session, widen(caption));
    return Flow::Next;
}

// WindowsDarkSetting "1"|"0"|"none" ["quiet"]: what Windows asks applications for.
Flow windowsDarkSetting(const Call& call) {
    const std::string word = call.text(0);
    AppsTheme theme = AppsTheme::Unset;
    if (word == "1") theme = AppsTheme::Dark;
    else if (word == "0") theme = AppsTheme::Light;
    else if (!equalsFolded(word, "none")) return call.fail("WindowsDarkSetting takes 1, 0 or none, not '" + word + "'");
    bool broadcast = true;
    if (call.count() == 2) {
        if (!equalsFolded(call.text(1), "quiet")) return call.fail("the second parameter of WindowsDarkSetting is quiet");
        broadcast = false;
    }
    const std::string problem = changeAppsTheme(theme, broadcast);
    if (!problem.empty()) return call.fail("WindowsDarkSetting: " + problem);
    return Flow::Next;
}

constexpr CommandEntry kProbeCommands[] = {
    {"Pump", Arity::exactly(1), pump},         {"Screenshot", Arity::between(1, 2), screenshot},
    {"GetPixel", Arity::exactly(4), getPixel}, {"CountWindows", Arity::exactly(2), countWindows},
    {"GdiFree", Arity::between(1, 2), gdiFree}, {"AutoPress", Arity::exactly(1), autoPress},
    {"CountSubclassed", Arity::exactly(1), countSubclassed},
    {"CountFrozen", Arity::exactly(1), countFrozen},
    {"CountColour", Arity::exactly(3), countColour},
    {"GdiTypes", Arity::exactly(1), gdiTypes},
    {"HeapUse", Arity::exactly(2), heapUse},
    {"ModuleLoaded", Arity::exactly(2), moduleLoaded},
    {"StartClock", Arity::exactly(0), startClock},
    {"ReadClock", Arity::exactly(1), readClock},
    {"WindowsDarkSetting", Arity::between(1, 2), windowsDarkSetting},
};

}  // namespace

const CommandEntry* findProbeCommand(std::string_view name) {
    return findIn(kProbeCommands, name);
}

}  // namespace standin
