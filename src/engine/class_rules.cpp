#include "engine/class_rules.h"

namespace hueloom {

namespace {

struct ClassRule {
    std::wstring_view fragment;
    ControlKind kind;
};

// Checked in this order, first match wins. The host's own object classes come before the
// general "neobook" catch-all, and rich edits before plain edits.
constexpr ClassRule kRules[] = {
    {L"neobookcheckbox", ControlKind::HostCheckBox},
    {L"neobookradiobtn", ControlKind::HostRadioButton},
    {L"neobooktrackbar", ControlKind::HostTrackBar},
    {L"wprichtext", ControlKind::None},
    {L"neobook", ControlKind::None},
    {L"richedit", ControlKind::RichEdit},
    {L"edit", ControlKind::Edit},
    {L"combobox", ControlKind::ComboBox},
    {L"syslistview32", ControlKind::ListView},
    {L"systreeview32", ControlKind::TreeView},
    {L"sysheader32", ControlKind::Header},
    {L"listbox", ControlKind::ListBox},
    {L"trackbar", ControlKind::TrackBar},
    {L"scrollbar", ControlKind::ScrollBar},
    {L"tooltips_class", ControlKind::ToolTip},
    {L"updown", ControlKind::UpDown},
    {L"systabcontrol", ControlKind::TabControl},
    {L"progress", ControlKind::Progress},
    {L"statusbar", ControlKind::StatusBar},
};

constexpr uint32_t kButtonTypeMask = 0xF;

} // namespace

bool isCheckRadioOrGroupType(uint32_t buttonType) noexcept {
    switch (buttonType) {
    case 2:  // BS_CHECKBOX
    case 3:  // BS_AUTOCHECKBOX
    case 4:  // BS_RADIOBUTTON
    case 5:  // BS_3STATE
    case 6:  // BS_AUTO3STATE
    case 7:  // BS_GROUPBOX
    case 9:  // BS_AUTORADIOBUTTON
        return true;
    default:
        return false;
    }
}

ControlKind classifyClassName(std::wstring_view lowerClassName, uint32_t style) noexcept {
    if (lowerClassName.empty()) return ControlKind::None;
    for (const ClassRule& rule : kRules) {
        if (lowerClassName.find(rule.fragment) != std::wstring_view::npos) return rule.kind;
    }
    // The only whole-name test: "static" inside a longer name means nothing.
    if (lowerClassName == L"static") return ControlKind::Static;
    if (lowerClassName.find(L"button") != std::wstring_view::npos) {
        return isCheckRadioOrGroupType(style & kButtonTypeMask) ? ControlKind::CheckOrRadio
                                                                 : ControlKind::PushButton;
    }
    return ControlKind::None;
}

} // namespace hueloom
