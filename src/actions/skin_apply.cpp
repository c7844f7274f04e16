// Apply: a whole theme from a skin file, its "Objects" as variables, and an optional
// subroutine run while repainting is still frozen.
#include <string>
#include <vector>

#include "actions/action_result.h"
#include "actions/high_contrast_remark.h"
#include "actions/skin_variables.h"
#include "actions/theme_actions.h"
#include "common/text.h"
#include "engine/auto_refresh.h"
#include "engine/native_theming.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "paint/theme_brushes.h"
#include "platform/system_functions.h"
#include "theme/skin_file.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

// A subroutine may apply a skin again; one that applies itself would recurse until the
// host's stack overflows, so nesting stops here.
constexpr int32_t kMaxSkinSubroutineDepth = 8;
int32_t g_subroutineDepth = 0;  // Apply subroutines running inside each other

// Every entry of "Objects" becomes its variable in file order, so a repeated key ends
// with its later value.
void exportObjects(const std::vector<SkinVariable>& objects, ActionHost& host) {
    for (const SkinVariable& variable : objects) host.setVariable(variable.name, variable.value);
}

enum class SubroutineRun {
    Ran,         // or there was none
    TooDeep,     // Apply calls nested too deeply
    NotHanded,   // the line could not be handed to the host (out of memory)
};

// GoSub "Name" for a subroutine that is not blank; the script runs before this returns,
// while repainting is still frozen and with every [Skin.*] variable already set.
SubroutineRun runSubroutine(const std::wstring& subroutine, ActionHost& host) {
    const std::wstring name = trimSpaces(subroutine);
    if (name.empty()) return SubroutineRun::Ran;
    if (g_subroutineDepth >= kMaxSkinSubroutineDepth) return SubroutineRun::TooDeep;
    struct DepthGuard {
        DepthGuard() { ++g_subroutineDepth; }
        ~DepthGuard() { --g_subroutineDepth; }
    } guard;
    return host.runScriptLine(L"GoSub \"" + name + L"\"") ? SubroutineRun::Ran : SubroutineRun::NotHanded;
}

ActionResult reportApplied(const std::wstring& name, const std::wstring& subroutine, SubroutineRun run,
                           const wchar_t* remark) {
    const wchar_t* why = run == SubroutineRun::TooDeep     ? L"Hueloom_Apply nested too deeply"
                         : run == SubroutineRun::NotHanded ? L"not enough memory to hand it to the script"
                                                           : nullptr;
    if (why)
        return failed(L"Skin '" + name + L"' applied, but subroutine '" + trimSpaces(subroutine) +
                      L"' not run: " + why);
    return succeeded(L"OK - skin '" + name + remark);
}

// A change of mode as everywhere else, then the file's settings over it; they already
// hold the palette's colours where the file gives none.
void applyThemeFromSkin(const SkinSettings& skin, ThemeState& theme) {
    theme.followsWindows = false;  // the file's mode wins over Auto
    applyModePalette(theme, skin.mode);
    theme.controlBack = skin.controlBack;
    theme.controlText = skin.controlText;
    theme.pageBack = skin.pageBack;
    theme.titleBar = skin.titleBar;
    theme.titleText = skin.titleText;
    theme.articleText = skin.articleText;
    theme.glyphs = skin.glyphs;
    theme.accent = skin.accent;
    theme.active = true;
}

} // namespace

ActionResult applySkin(ActionParams params, ActionHost& host) {
    const std::wstring& path = params[0];
    const std::wstring& subroutine = params[1];
    loadSystemFunctions();
    // The file is read and its settings worked out before anything changes, so a file
    // that cannot be read (or that exhausts memory) leaves the theme as it was.
    const SkinLoad load = loadSkinFile(path);
    if (load.outcome == SkinLoadOutcome::NotFound) return failed(L"Skin file not found: " + path);
    if (load.outcome != SkinLoadOutcome::Loaded) return failed(L"Cannot open skin file: " + path);
    const SkinSettings& skin = *load.settings;

    if (skin.mode == Mode::System) {
        beginUpdate();
        ThemeState& theme = currentTheme();
        theme.skinName = skin.name;
        theme.skinFile = path;
        // Reset's own answer stands in [Skin.LastError] while the subroutine runs.
        const ActionResult reset = resetTheme({}, host);
        host.setVariable(L"[Skin.LastError]", reset.lastError);
        host.setVariable(L"[Skin.Name]", skin.name);
        host.setVariable(L"[Skin.File]", path);
        exportObjects(skin.objects, host);
        const SubroutineRun ran = runSubroutine(subroutine, host);
        endUpdate(UpdateEnd::OneLevel);
        return reportApplied(skin.name, subroutine, ran, L"' (System mode)");
    }

    ThemeState next = currentTheme();
    next.skinName = skin.name;
    next.skinFile = path;
    applyThemeFromSkin(skin, next);
    if (!rebuildThemeBrushes(next))
        return failed(L"Skin '" + skin.name + L"' not applied: not enough GDI resources for its brushes");
    beginUpdate();
    currentTheme() = std::move(next);
    exportObjects(skin.objects, host);
    applyAppMode();
    refreshWindows(RefreshScope::AllWindows);
    startAutoRefresh();
    host.setVariable(L"[Skin.Name]", skin.name);
    host.setVariable(L"[Skin.File]", path);
    exportSkinVariables(host);
    const SubroutineRun ran = runSubroutine(subroutine, host);
    endUpdate(UpdateEnd::OneLevel);
    // Controls the pass could not finish are reported before a subroutine that did not run.
    return answerAfterPass(withHighContrastRemark(reportApplied(skin.name, subroutine, ran, L"' applied")));
}

} // namespace hueloom
