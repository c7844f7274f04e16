#include "actions/action_table.h"

namespace hueloom {

// The handlers, by the file that defines them.
// theme_actions.cpp
ActionResult setMode(ActionParams, ActionHost&);
ActionResult setColors(ActionParams, ActionHost&);
ActionResult setTitleBar(ActionParams, ActionHost&);
ActionResult setAccent(ActionParams, ActionHost&);
ActionResult resetTheme(ActionParams, ActionHost&);
// skin_apply.cpp
ActionResult applySkin(ActionParams, ActionHost&);
// window_actions.cpp
ActionResult refreshAction(ActionParams, ActionHost&);
ActionResult autoRefreshAction(ActionParams, ActionHost&);
ActionResult getInfoAction(ActionParams, ActionHost&);
ActionResult beginUpdateAction(ActionParams, ActionHost&);
ActionResult endUpdateAction(ActionParams, ActionHost&);
ActionResult listWindowsAction(ActionParams, ActionHost&);
// bind_actions.cpp
ActionResult bindTrackAction(ActionParams, ActionHost&);
ActionResult bindCheckAction(ActionParams, ActionHost&);
ActionResult bindRadioAction(ActionParams, ActionHost&);
ActionResult unbindAction(ActionParams, ActionHost&);

namespace {

constexpr ActionRow kActions[] = {
    {1, L"Hueloom_Apply", 2,
     L"Apply a skin .ini (mode, control colors, title bar) and export [Skin.*] variables; optional subroutine to GoSub",
     applySkin, editApplySkin},
    {2, L"Hueloom_SetMode", 1, L"Switch base mode: Dark, Light or System (with default colors)", setMode, editMode},
    {3, L"Hueloom_SetColors", 3, L"Set control background, text and page background colors (R,G,B or #RRGGBB)",
     setColors, editThreeColors},
    {4, L"Hueloom_SetTitleBar", 2, L"Set Windows 11 title bar background and text colors (blank = default)",
     setTitleBar, editTwoColors},
    {5, L"Hueloom_Refresh", 0, L"Re-scan and theme all windows now (after creating controls or dialogs)",
     refreshAction, nullptr},
    {6, L"Hueloom_AutoRefresh", 1, L"On/Off: automatically theme new controls, pages and dialogs",
     autoRefreshAction, editAutoRefresh},
    {7, L"Hueloom_Reset", 0, L"Restore the stock Windows appearance", resetTheme, nullptr},
    {8, L"Hueloom_GetInfo", 0, L"Fill [Skin.Build], [Skin.Supported], [Skin.Mode] and color variables",
     getInfoAction, nullptr},
    {9, L"Hueloom_BeginUpdate", 0, L"Freeze repainting until Hueloom_EndUpdate so a whole skin change appears at once",
     beginUpdateAction, nullptr},
    {10, L"Hueloom_EndUpdate", 0, L"Thaw repainting and redraw everything in one pass", endUpdateAction, nullptr},
    {11, L"Hueloom_SetAccent", 2,
     L"Accent color for check box / radio / track bar glyphs; 2nd param On/Off = custom glyph drawing", setAccent,
     editAccent},
    {12, L"Hueloom_ListWindows", 0, L"Diagnostic: list every child window (class, kind) into [Skin.Windows]",
     listWindowsAction, nullptr},
    {13, L"Hueloom_BindTrack", 6,
     L"Overlay a VisualNEO TrackBar object: handle (GetObjectHandle), VarName (no brackets), [Var] value, Min, Max, back color",
     bindTrackAction, nullptr},
    {14, L"Hueloom_BindCheck", 4,
     L"Overlay a VisualNEO CheckBox glyph: handle (GetObjectHandle), VarName (no brackets), [Var] value, back color",
     bindCheckAction, nullptr},
    {15, L"Hueloom_BindRadio", 5,
     L"Overlay a VisualNEO RadioButton glyph: handle, VarName (no brackets), [Var] value, this button's caption, back color",
     bindRadioAction, nullptr},
    {16, L"Hueloom_Unbind", 1, L"Remove the overlay from a bound object (handle)", unbindAction, nullptr},
};

} // namespace

std::span<const ActionRow> actionTable() noexcept { return kActions; }

const ActionRow* findAction(int32_t number) noexcept {
    for (const ActionRow& row : kActions)
        if (row.number == number) return &row;
    return nullptr;
}

} // namespace hueloom
