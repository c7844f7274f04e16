#include "checked_actions.h"

#include "actions/action_table.h"
#include "console.h"
#include "common/text.h"
#include "engine/auto_refresh.h"
#include "engine/color_subclass.h"
#include "engine/control_painting.h"
#include "engine/glyph_button.h"
#include "engine/registry.h"
#include "engine/theming_pass.h"
#include "host_session.h"
#include "overlay/overlay_binding.h"
#include "overlay/overlay_interaction.h"
#include "paint/theme_brushes.h"
#include "platform/subclass.h"
#include "plugin/entry_points.h"
#include "plugin/host_bridge.h"
#include "soak_script.h"
#include "theme/theme_state.h"

namespace fault_soak {

namespace {

enum ActionNumber {
    kApply = 1,
    kSetMode = 2,
    kSetColors = 3,
    kRefresh = 5,
    kAutoRefresh = 6,
    kReset = 7,
    kSetAccent = 11,
    kBindTrack = 13,
    kBindCheck = 14,
    kBindRadio = 15,
    kUnbind = 16,
};

testing::FaultInjector* g_injector = nullptr;
struct PendingFailures {
    bool waiting = false;
    uint64_t seed = 0;
    int perMille = 0;
} g_pending;
std::vector<std::string> g_falseAnswers;
ActionTally g_tally;

std::string actionName(int number) {
    const hueloom::ActionRow* row = hueloom::findAction(number);
    if (!row) return "action " + std::to_string(number);
    const std::wstring name = row->name;
    return std::string(name.begin(), name.end());
}

std::wstring parameter(char** params, int index) { return hueloom::HostBridge::getParam(params, index); }

// As Bind reads the handle: the low 32 bits, sign-extended.
HWND handleIn(const std::wstring& text) {
    const int64_t number = hueloom::readInteger(hueloom::trimSpaces(text));
    const auto low = static_cast<int32_t>(static_cast<uint32_t>(number));
    return reinterpret_cast<HWND>(static_cast<intptr_t>(low));
}

// The plug-in's subclasses found on the windows themselves, whatever its records say.
struct SubclassSearch {
    using GetWindowSubclassFunction = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
    GetWindowSubclassFunction getWindowSubclass = nullptr;
    std::vector<std::string> found;

    void look(HWND window) {
        const struct {
            SUBCLASSPROC procedure;
            hueloom::SubclassId id;
            const char* name;
        } subclasses[] = {
            {hueloom::colorSubclassProc, hueloom::SubclassId::Color, "colour"},
            {hueloom::glyphSubclassProc, hueloom::SubclassId::Glyph, "glyph"},
            {hueloom::overlayObjectSubclassProc, hueloom::SubclassId::OverlayObject, "overlay object"},
            {hueloom::controlPainterProc, hueloom::SubclassId::HeaderPaint, "header painter"},
            {hueloom::controlPainterProc, hueloom::SubclassId::TabPaint, "tab painter"},
            {hueloom::controlPainterProc, hueloom::SubclassId::ProgressPaint, "progress painter"},
            {hueloom::controlPainterProc, hueloom::SubclassId::GroupBoxPaint, "group box painter"},
            {hueloom::controlPainterProc, hueloom::SubclassId::StatusBarPaint, "status bar painter"},
            {hueloom::controlPainterProc, hueloom::SubclassId::ToolTipPaint, "tooltip painter"}};
        for (const auto& subclass : subclasses) {
            DWORD_PTR data = 0;
            if (!getWindowSubclass(window, subclass.procedure, hueloom::idOf(subclass.id), &data)) continue;
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            const std::wstring name = className;
            found.push_back(std::string(subclass.name) + " subclass on a window of class " +
                            std::string(name.begin(), name.end()));
        }
    }
    static BOOL CALLBACK child(HWND window, LPARAM search) {
        reinterpret_cast<SubclassSearch*>(search)->look(window);
        return TRUE;
    }
    static BOOL CALLBACK topLevel(HWND window, LPARAM search) {
        reinterpret_cast<SubclassSearch*>(search)->look(window);
        EnumChildWindows(window, child, search);
        return TRUE;
    }
};

std::vector<std::string> subclassesOnWindows() {
    SubclassSearch search;
    HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll");
    FARPROC found = GetProcAddress(comctl32, "GetWindowSubclass");
    if (!found) found = GetProcAddress(comctl32, MAKEINTRESOURCEA(411));
    search.getWindowSubclass = reinterpret_cast<SubclassSearch::GetWindowSubclassFunction>(found);
    if (!search.getWindowSubclass) return {"GetWindowSubclass is missing"};
    EnumThreadWindows(GetCurrentThreadId(), SubclassSearch::topLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What must hold when an action has answered "OK" or "OK - ...": empty when it does.
std::string whatDidNotHappen(int action, char** params, const std::string& answer) {
    const hueloom::ThemeState& theme = hueloom::currentTheme();
    const hueloom::ThemeBrushes& brushes = hueloom::themeBrushes();
    if (theme.active && theme.mode != hueloom::Mode::System && (!brushes.control || !brushes.page))
        return "the theme is in force without its brushes";
    switch (action) {
    case kApply:
    case kSetMode:
    case kSetColors:
    case kRefresh:
    case kSetAccent:
        if (hueloom::controlsAwaitingTheme() != 0)
            return std::to_string(hueloom::controlsAwaitingTheme()) + " control(s) are not themed";
        break;
    case kAutoRefresh:
        if (!hueloom::isOffWord(parameter(params, 0)) && !hueloom::autoRefreshRunning())
            return "automatic refresh is not running";
        break;
    case kReset: {
        const hueloom::ThemedWindowRegistry& windows = hueloom::windowRegistry();
        if (!windows.colorSubclassed.empty() || !windows.glyphSubclassed.empty() ||
            !windows.paintedControls.empty())
            return "windows still carry the plug-in's subclasses";
        if (hueloom::hasOverlays()) return "overlays are left";
        const std::vector<std::string> subclasses = subclassesOnWindows();
        if (!subclasses.empty()) return "a " + subclasses.front() + " is left";
        break;
    }
    case kBindTrack:
    case kBindCheck:
    case kBindRadio: {
        if (answer != "OK") break;  // "OK - native": no overlay wanted
        const hueloom::OverlayBinding* binding =
            hueloom::overlayState().bindings.find(handleIn(parameter(params, 0)));
        if (!binding || !binding->overlayWindow || !IsWindow(binding->overlayWindow))
            return "there is no overlay";
        break;
    }
    case kUnbind:
        if (hueloom::overlayState().bindings.contains(handleIn(parameter(params, 0))))
            return "the overlay is still bound";
        break;
    default:
        break;
    }
    return {};
}

void startFailuresOnceWarmedUp() {
    if (!g_pending.waiting || !standin::session().variables.find(soak::kWarmedUpVariable)) return;
    g_pending.waiting = false;
    g_injector->failAtRandom(g_pending.seed, g_pending.perMille);
    standin::say("fault-soak: warmed up; calls fail from here on");
}

int32_t WINAPI checkedExecAction(int32_t action, char** params) {
    startFailuresOnceWarmedUp();
    const int outer = g_injector->setContext(action);
    const uint64_t failuresBefore = g_injector->totalFailures();
    const int32_t result = nbExecAction(action, params);
    g_injector->setContext(outer);
    ++g_tally.checked;
    const std::string answer = standin::session().variables.value("[Skin.LastError]");
    const bool answeredOk = answer.rfind("OK", 0) == 0;
    if (g_injector->totalFailures() != failuresBefore) {
        ++g_tally.metFailures;
        if (!answeredOk) ++g_tally.answeredFailure;
    }
    if (answeredOk) {
        const std::string missing = whatDidNotHappen(action, params, answer);
        if (!missing.empty())
            g_falseAnswers.push_back(actionName(action) + " answered '" + answer + "', but " + missing);
    }
    return result;
}

} // namespace

void failAfterWarmUp(uint64_t seed, int perMille) { g_pending = {true, seed, perMille}; }

standin::EntryPoints checkedEntryPoints(testing::FaultInjector& injector) {
    g_injector = &injector;
    standin::EntryPoints entries;
    entries.initialize = nbInitialize;
    entries.initPlugIn = nbInitPlugIn;
    entries.getPluginInfo = reinterpret_cast<standin::GetPluginInfoEntry>(nbGetPluginInfo);
    entries.registerPlugIn = reinterpret_cast<standin::RegisterPlugInEntry>(nbRegisterPlugIn);
    entries.registerScriptProcessor = nbRegisterScriptProcessor;
    entries.execAction = checkedExecAction;
    entries.editAction = reinterpret_cast<standin::EditActionEntry>(nbEditAction);
    entries.message = nbMessage;
    return entries;
}

const std::vector<std::string>& falseAnswers() { return g_falseAnswers; }
const ActionTally& actionTally() { return g_tally; }

std::vector<std::string> leftovers() {
    std::vector<std::string> left;
    const hueloom::ThemedWindowRegistry& windows = hueloom::windowRegistry();
    if (windows.updateDepth != 0 || !windows.frozenWindows.empty()) left.push_back("a freeze");
    if (!windows.colorSubclassed.empty()) left.push_back("colour subclasses");
    if (!windows.glyphSubclassed.empty()) left.push_back("glyph subclasses");
    if (!windows.themedControls.empty()) left.push_back("themed controls on record");
    if (!windows.unfinishedControls.empty()) left.push_back("controls waiting to be themed");
    if (!windows.paintedControls.empty()) left.push_back("control painters");
    if (!windows.originalLooks.empty()) left.push_back("controls' looks to put back");
    if (hueloom::hasOverlays()) left.push_back("overlays");
    if (hueloom::autoRefreshRunning()) left.push_back("the refresh timer");
    return left;
}

} // namespace fault_soak
