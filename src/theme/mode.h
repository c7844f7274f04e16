#pragma once
// The base mode of a theme, and the one reader and the one writer of its words. Pure.
#include <cstdint>
#include <optional>
#include <string_view>

namespace hueloom {

// The numbers are fixed: scripts may pass them.
enum class Mode : int32_t { System = 0, Dark = 1, Light = 2 };

// Which words a text may use for a mode.
enum class ModeWords {
    // Script parameters (SetMode and its editor): "dark"/"1", "light"/"2", and
    // "system"/"default"/"none"/"0" or nothing for System; any other word is no mode.
    Script,
    // Skin files keep their own documented rule: "light" is Light, "system", "default"
    // and "none" are System, and every other word, empty or "2" included, is Dark.
    Skin,
};

// Words are compared trimmed of spaces and lower-cased. nullopt only for Script words
// that name no mode.
[[nodiscard]] std::optional<Mode> readModeWord(std::wstring_view word, ModeWords words);

// "Dark", "Light" or "System".
[[nodiscard]] const wchar_t* modeName(Mode mode) noexcept;

// SetMode's word for following the user's Windows setting, as [Skin.Mode] shows it. Auto
// is no Mode: while following, the theme paints with the Dark or Light Windows asks for.
inline constexpr wchar_t kAutoModeName[] = L"Auto";
// "auto" in any letter case, trimmed of spaces like the other script words. Skin files
// keep their own rule, in which it is Dark.
[[nodiscard]] bool isAutoModeWord(std::wstring_view word);

} // namespace hueloom
