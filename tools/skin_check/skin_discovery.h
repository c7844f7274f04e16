#pragma once
// The skins an author means by double-clicking the checker: the .ini files beside it and
// those in a Skins folder beside it, where a publication keeps them. Pure: file system
// only, no window calls.
#include <filesystem>
#include <vector>

#include "skin_check/command_line.h"

namespace hueloom::skincheck {

// The .ini files (any letter case) in the folder, then those in its subfolder named Skins
// (any letter case), each group in name order, letter case ignored. Reports show each
// path relative to the folder ("midnight.ini", "Skins\midnight.ini"). Unreadable folders
// give nothing.
[[nodiscard]] std::vector<CommandArgument> skinsBeside(const std::filesystem::path& folder);

} // namespace hueloom::skincheck
