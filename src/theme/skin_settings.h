#pragma once
// What a skin file gives: the theme Apply takes from it and the variables it exports,
// worked out without touching the theme or any window. The plug-in applies these
// settings and the skin checker reports them, so both read a skin the same way.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "theme/color.h"
#include <optional>

#include "theme/ini_reader.h"
#include "theme/mode.h"
#include "theme/palette.h"

namespace hueloom {

inline constexpr std::wstring_view kSkinThemeSection = L"Hueloom";
inline constexpr std::wstring_view kSkinObjectsSection = L"Objects";

// A skin is a few kilobytes; a file a thousand times that size is not one, and reading
// it would cost a 32-bit host hundreds of megabytes once parsed. Apply refuses it.
inline constexpr std::size_t kMaxSkinFileBytes = 4u * 1024 * 1024;

// One entry of the section "Objects" as Apply hands it to the script.
struct SkinVariable {
    std::wstring name;   // "[Skin." + key + "]", the key in the file's letter case
    std::wstring value;  // "R,G,B" when the entry reads as a colour, else the value unchanged
    int line = 0;
};

struct SkinSettings {
    std::wstring name;  // "Name", or the file name without folder and extension
    Mode mode = Mode::Dark;
    // Dark and Light: the palette of the mode with the file's colours over it. System: the
    // stock look; the colour keys, the switches and the accent are not read then, and
    // Apply keeps the accent and the switches already in force.
    Color controlBack = 0;
    Color controlText = 0;
    Color pageBack = 0;
    std::optional<Color> titleBar;  // nullopt: the system's caption colour
    std::optional<Color> titleText;
    Color accent = 0;
    bool glyphs = true;
    bool articleText = true;
    std::vector<SkinVariable> objects;  // file order; a repeated key appears each time
};

// The section "Objects" as variables, in file order.
[[nodiscard]] std::vector<SkinVariable> skinObjectVariables(const IniDocument& skin);

// Everything Apply takes from the skin; `path` names the skin when the file does not.
[[nodiscard]] SkinSettings readSkinSettings(const IniDocument& skin, std::wstring_view path);

} // namespace hueloom
