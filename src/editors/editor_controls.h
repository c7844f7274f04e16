#pragma once
// Control ids of the editors' dialogs (OK and Cancel use IDOK and IDCANCEL).

namespace hueloom::editor_controls {

inline constexpr int kSkinFileField = 101;
inline constexpr int kBrowseButton = 102;
inline constexpr int kSubroutineField = 103;

inline constexpr int kDarkButton = 201;
inline constexpr int kLightButton = 202;
inline constexpr int kSystemButton = 203;
inline constexpr int kAutoButton = 204;

} // namespace hueloom::editor_controls
