#pragma once
// Overlays over the host's own check-box, radio-button and track-bar objects.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/window_map.h"
#include "theme/color.h"

namespace hueloom {

enum class OverlayKind : int32_t { Check = 1, Radio = 2, Track = 3 };

struct OverlayBinding {
    HWND overlayWindow = nullptr;   // 0 once destroyed
    HWND objectWindow = nullptr;    // the bound host object; the map's key
    OverlayKind kind = OverlayKind::Check;
    std::wstring variable;          // with its square brackets; may be empty
    std::wstring value;             // cached value of the variable
    std::wstring caption;           // Radio: the value the group holds when this one is chosen
    Color backColor = 0;
    double minimum = 0;
    double maximum = 0;
    bool hot = false;
};

// Reads a script variable by its bracketed name; empty when unset. The overlays know no
// host: the plug-in installs the reader.
using BoundVariableReader = std::wstring (*)(std::wstring_view name);

struct OverlayState {
    WindowMap<OverlayBinding> bindings;  // by object window
    bool classRegistered = false;
    BoundVariableReader readVariable = nullptr;
};

// The overlays' one state record.
[[nodiscard]] OverlayState& overlayState() noexcept;
[[nodiscard]] inline bool hasOverlays() noexcept { return !overlayState().bindings.empty(); }
void setBoundVariableReader(BoundVariableReader reader) noexcept;
// Process attach: no bindings and no class; the reader stays as installed.
void resetOverlayState();

inline constexpr wchar_t kOverlayClassName[] = L"HueloomOverlay";

} // namespace hueloom
