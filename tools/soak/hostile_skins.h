#pragma once
// Skin files no author meant to write: garbage bytes, empty, huge, broken encodings,
// absurd values. Pure: the files' names and bytes; soak_gen writes them.
#include <string>
#include <vector>

#include "soak_random.h"

namespace soak {

struct SkinFile {
    std::string name;  // a plain file name ending in .ini
    std::string bytes;
};

[[nodiscard]] std::vector<SkinFile> hostileSkins(Random& random);

}  // namespace soak
