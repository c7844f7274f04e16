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

// GoSub "Name" for a subroutine that is not blank; the script runs before this returns,
// while repainting is still frozen and with every [Skin.*] variable already set.
// False when the subroutine was not run because Apply calls are nested too deeply.
bool runSubroutine(const std::wstring& subroutine, ActionHost& host) {
    const std::wstring name = trimSpaces(subroutine);
    if (name.empty()) return true;
    if (g_subroutineDepth >= kMaxSkinSubroutineDepth) return false;
    struct DepthGuard {
        DepthGuard() { ++g_subroutineDepth; }
        ~DepthGuard() { --g_subroutineDepth; }
    } guard;
    host.runScriptLine(L"GoSub \"" + name + L"\"");
    return true;
}

ActionResult reportApplied(const std::wstring& name, const std::wstring& subroutine, bool subroutineRan,
                           const wchar_t* remark) {
    if (!subroutineRan)
        return failed(L"Skin '" + name + L"' applied, but subroutine '" + trimSpaces(subroutine) +
                      L"' not run: Hueloom_Apply nested too deeply");
    return succeeded(L"OK - skin '" + name + remark);
}

// A change of mode as everywhere else, then the file's settings over it; they already
// hold the palette's colours where the file gives none.
void applyThemeFromSkin(const SkinSettings& skin) {
    ThemeState& theme = currentTheme();
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
    rebuildThemeBrushes(theme);
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

    beginUpdate();
    ThemeState& theme = currentTheme();
    theme.skinName = skin.name;
    theme.skinFile = path;

    if (skin.mode == Mode::System) {
        // Reset's own answer stands in [Skin.LastError] while the subroutine runs.
        const ActionResult reset = resetTheme({}, host);
        host.setVariable(L"[Skin.LastError]", reset.lastError);
        host.setVariable(L"[Skin.Name]", skin.name);
        host.setVariable(L"[Skin.File]", path);
        exportObjects(skin.objects, host);
        const bool ran = runSubroutine(subroutine, host);
        endUpdate(UpdateEnd::OneLevel);
        return reportApplied(skin.name, subroutine, ran, L"' (System mode)");
    }

    applyThemeFromSkin(skin);
    exportObjects(skin.objects, host);
    applyAppMode();
    refreshWindows(RefreshScope::AllWindows);
    startAutoRefresh();
    host.setVariable(L"[Skin.Name]", skin.name);
    host.setVariable(L"[Skin.File]", path);
    exportSkinVariables(host);
    const bool ran = runSubroutine(subroutine, host);
    endUpdate(UpdateEnd::OneLevel);
    return withHighContrastRemark(reportApplied(skin.name, subroutine, ran, L"' applied"));
}

} // namespace hueloom
