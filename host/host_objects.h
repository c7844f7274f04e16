#pragma once
// The authoring tool's own check-box, radio-button and track-bar objects: child windows
// that paint themselves and keep their state in a script variable.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "track_geometry.h"

namespace standin {

enum class HostObjectKind { Check, Radio, Track };

inline constexpr wchar_t kCheckObjectClass[] = L"neobookcheckbox";
inline constexpr wchar_t kRadioObjectClass[] = L"neobookradiobtn";
inline constexpr wchar_t kTrackObjectClass[] = L"neobooktrackbar";

struct HostObjectSetup {
    HostObjectKind kind = HostObjectKind::Check;
    std::wstring caption;  // check box and radio button
    TrackRange range;      // track bar
    std::string variable;  // "[Name]"
};

// "check", "radio" or "track".
[[nodiscard]] std::optional<HostObjectKind> parseHostObjectKind(std::string_view word) noexcept;

[[nodiscard]] bool registerHostObjectClasses() noexcept;

[[nodiscard]] HWND createHostObject(HWND parent, const HostObjectSetup& setup, int x, int y, int width,
                                    int height);

// The variable a host object is tied to; null for any other window.
[[nodiscard]] const std::string* tiedVariable(HWND window) noexcept;

}  // namespace standin
