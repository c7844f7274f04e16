#include <doctest.h>

#include "engine/class_rules.h"

using namespace hueloom;

namespace {

// The rules take names already lower-cased.
ControlKind kindOf(std::wstring_view lowerName, uint32_t style = 0) { return classifyClassName(lowerName, style); }

} // namespace

TEST_CASE("rich edits are caught before plain edits; any name holding \"edit\" is an edit") {
    CHECK(kindOf(L"richedit20w") == ControlKind::RichEdit);
    CHECK(kindOf(L"richedit50w") == ControlKind::RichEdit);
    CHECK(kindOf(L"richedit") == ControlKind::RichEdit);
    CHECK(kindOf(L"edit") == ControlKind::Edit);
    CHECK(kindOf(L"themededitbox") == ControlKind::Edit);
}

TEST_CASE("host classes: its three objects first, every other host class left alone") {
    CHECK(kindOf(L"neobookcheckbox") == ControlKind::HostCheckBox);
    CHECK(kindOf(L"tneobookradiobtn") == ControlKind::HostRadioButton);
    CHECK(kindOf(L"neobooktrackbar") == ControlKind::HostTrackBar);  // not the system track bar
    CHECK(kindOf(L"msctls_trackbar32") == ControlKind::TrackBar);
    CHECK(kindOf(L"neobookedit") == ControlKind::None);       // "neobook" before "edit"
    CHECK(kindOf(L"tneobookbutton") == ControlKind::None);
    CHECK(kindOf(L"twprichtextedit") == ControlKind::None);   // before "richedit" and "edit"
}

TEST_CASE("combo boxes, lists and the common controls") {
    CHECK(kindOf(L"comboboxex32") == ControlKind::ComboBox);
    CHECK(kindOf(L"combobox") == ControlKind::ComboBox);
    CHECK(kindOf(L"combolbox") == ControlKind::None);  // the drop-down list is not registered
    CHECK(kindOf(L"syslistview32") == ControlKind::ListView);
    CHECK(kindOf(L"systreeview32") == ControlKind::TreeView);
    CHECK(kindOf(L"sysheader32") == ControlKind::Header);
    CHECK(kindOf(L"listbox") == ControlKind::ListBox);
    CHECK(kindOf(L"scrollbar") == ControlKind::ScrollBar);
    CHECK(kindOf(L"tooltips_class32") == ControlKind::ToolTip);
    CHECK(kindOf(L"msctls_updown32") == ControlKind::UpDown);
    CHECK(kindOf(L"systabcontrol32") == ControlKind::TabControl);
    CHECK(kindOf(L"msctls_progress32") == ControlKind::Progress);
    CHECK(kindOf(L"msctls_statusbar32") == ControlKind::StatusBar);
    // Appended after the host's kinds: the numbers ListWindows prints stay as they were.
    CHECK(static_cast<int>(ControlKind::HostTrackBar) == 19);
    CHECK(static_cast<int>(ControlKind::StatusBar) == 20);
}

TEST_CASE("\"static\" must be the whole name") {
    CHECK(kindOf(L"static") == ControlKind::Static);
    CHECK(kindOf(L"staticlabel") == ControlKind::None);
    CHECK(kindOf(L"tstatic") == ControlKind::None);
    CHECK(kindOf(L"staticedit") == ControlKind::Edit);  // an earlier test matched
}

TEST_CASE("buttons are told apart by the type in the low four bits of the style") {
    for (uint32_t type : {2u, 3u, 4u, 5u, 6u, 7u, 9u}) {
        CAPTURE(type);
        CHECK(isCheckRadioOrGroupType(type));
        CHECK(kindOf(L"button", 0x50010000u | type) == ControlKind::CheckOrRadio);
    }
    for (uint32_t type : {0u, 1u, 8u, 10u, 11u, 12u, 13u, 14u, 15u}) {
        CAPTURE(type);
        CHECK_FALSE(isCheckRadioOrGroupType(type));
        CHECK(kindOf(L"button", 0x50010000u | type) == ControlKind::PushButton);
    }
    CHECK(kindOf(L"tbitbutton", 3) == ControlKind::CheckOrRadio);
    // Other classes ignore the style.
    CHECK(kindOf(L"edit", 3) == ControlKind::Edit);
}

TEST_CASE("empty and unknown names are left alone") {
    CHECK(kindOf(L"") == ControlKind::None);
    CHECK(kindOf(L"#32770") == ControlKind::None);
    CHECK(kindOf(L"tpanel") == ControlKind::None);
    // Names are compared as given: the caller lower-cases them.
    CHECK(kindOf(L"Edit") == ControlKind::None);
}
