#pragma once
#include <cstdint>

namespace hueloom {

// What sort of control a window is. The numbers are fixed: the window list prints them.
enum class ControlKind : int32_t {
    None = 0,
    Edit = 1,
    RichEdit = 2,
    ListBox = 3,
    ComboBox = 4,
    PushButton = 5,
    CheckOrRadio = 6,
    TrackBar = 7,
    ScrollBar = 8,
    Static = 9,
    ToolTip = 10,
    ListView = 11,
    TreeView = 12,
    Header = 13,
    UpDown = 14,
    TabControl = 15,
    Progress = 16,
    HostCheckBox = 17,
    HostRadioButton = 18,
    HostTrackBar = 19,
    StatusBar = 20,
};

} // namespace hueloom
