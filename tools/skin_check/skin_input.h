#pragma once
// Reading a skin file from disk the way Apply does: the whole file, refused when it is
// missing, empty, a folder or larger than Apply reads.
#include <filesystem>
#include <string>

namespace hueloom::skincheck {

enum class SkinReadOutcome { Read, NotFound, CannotOpen };

struct SkinFileBytes {
    SkinReadOutcome outcome = SkinReadOutcome::NotFound;
    std::string bytes;
};

[[nodiscard]] SkinFileBytes readSkinFile(const std::filesystem::path& path);

} // namespace hueloom::skincheck
