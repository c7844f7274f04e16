#include "plugin/action_table.h"

#include <array>

#include "platform/heap_block.h"
#include "plugin/host_bridge.h"
#include "plugin/process_state.h"

namespace hueloom {

const ActionInfo kActionTable[kActionCount] = {
    {1, L"Hueloom_Apply", 2,
     L"Apply a skin .ini (mode, control colors, title bar) and export [Skin.*] variables; optional subroutine to GoSub"},
    {2, L"Hueloom_SetMode", 1, L"Switch base mode: Dark, Light or System (with default colors)"},
    {3, L"Hueloom_SetColors", 3, L"Set control background, text and page background colors (R,G,B or #RRGGBB)"},
    {4, L"Hueloom_SetTitleBar", 2, L"Set Windows 11 title bar background and text colors (blank = default)"},
    {5, L"Hueloom_Refresh", 0, L"Re-scan and theme all windows now (after creating controls or dialogs)"},
    {6, L"Hueloom_AutoRefresh", 1, L"On/Off: automatically theme new controls, pages and dialogs"},
    {7, L"Hueloom_Reset", 0, L"Restore the stock Windows appearance"},
    {8, L"Hueloom_GetInfo", 0, L"Fill [Skin.Build], [Skin.Supported], [Skin.Mode] and color variables"},
    {9, L"Hueloom_BeginUpdate", 0, L"Freeze repainting until Hueloom_EndUpdate so a whole skin change appears at once"},
    {10, L"Hueloom_EndUpdate", 0, L"Thaw repainting and redraw everything in one pass"},
    {11, L"Hueloom_SetAccent", 2,
     L"Accent color for check box / radio / track bar glyphs; 2nd param On/Off = custom glyph drawing"},
    {12, L"Hueloom_ListWindows", 0, L"Diagnostic: list every child window (class, kind) into [Skin.Windows]"},
    {13, L"Hueloom_BindTrack", 6,
     L"Overlay a VisualNEO TrackBar object: handle (GetObjectHandle), VarName (no brackets), [Var] value, Min, Max, back color"},
    {14, L"Hueloom_BindCheck", 4,
     L"Overlay a VisualNEO CheckBox glyph: handle (GetObjectHandle), VarName (no brackets), [Var] value, back color"},
    {15, L"Hueloom_BindRadio", 5,
     L"Overlay a VisualNEO RadioButton glyph: handle, VarName (no brackets), [Var] value, this button's caption, back color"},
    {16, L"Hueloom_Unbind", 1, L"Remove the overlay from a bound object (handle)"},
};

void registerActions() {
    const RegisterActionCallback registerAction = process().host.registerAction;
    if (!registerAction) return;
    for (const ActionInfo& action : kActionTable) {
        // One byte per parameter (type 1), then zeros; the 33rd byte is always 0.
        std::array<unsigned char, 33> types{};
        for (int32_t i = 0; i < action.parameterCount && i < 32; ++i) types[static_cast<size_t>(i)] = 1;
        char* name = HostBridge::toHostText(action.name);
        char* hint = HostBridge::toHostText(action.hint);
        // The type list is a Delphi open array: the value before the count is its highest
        // index.
        const int32_t highestIndex = action.parameterCount > 0 ? action.parameterCount - 1 : 0;
        registerAction(action.number, name, hint, types.data(), highestIndex, action.parameterCount);
        // The host copies both texts.
        (void)freeIfLiveHeapBlock(name);
        (void)freeIfLiveHeapBlock(hint);
    }
}

} // namespace hueloom
