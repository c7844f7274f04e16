#pragma once
#include <cstdint>

#include "common/version.h"

namespace hueloom {

// Writes the eight theme variables, always all eight, in a fixed order.
void exportSkinVariables();
// The GetInfo action; always 1.
int32_t getInfo();

inline constexpr wchar_t kPluginVersion[] = L"" HUELOOM_VERSION_TEXT;

} // namespace hueloom
