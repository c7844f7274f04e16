#pragma once
// The system's own dialogs behind the editors: file picker, colour picker, message box.
#include <windows.h>

#include <optional>
#include <string>

#include "theme/color.h"

namespace hueloom {

// The open-file dialog for a skin file, over `owner`. The chosen path, or nothing when the
// author cancels or the dialog returns an empty path.
[[nodiscard]] std::optional<std::wstring> browseForSkinFile(HWND owner);

// The colour dialog started on `initial`. The chosen colour, or nothing when cancelled.
[[nodiscard]] std::optional<Color> pickColor(Color initial) noexcept;

enum class AutoRefreshAnswer { On, Off, Cancelled };

// Asks whether new controls and dialogs are themed automatically.
[[nodiscard]] AutoRefreshAnswer askAutoRefresh() noexcept;

} // namespace hueloom
