#include "skin_check/skin_input.h"

#include <fstream>
#include <system_error>

#include "theme/skin_settings.h"

namespace hueloom::skincheck {

SkinFileBytes readSkinFile(const std::filesystem::path& path) {
    std::error_code error;
    // Apply answers "not found" for a missing file, a folder and an empty file alike.
    if (!std::filesystem::is_regular_file(path, error)) return {SkinReadOutcome::NotFound, {}};
    const auto size = std::filesystem::file_size(path, error);
    if (error) return {SkinReadOutcome::CannotOpen, {}};
    if (size == 0) return {SkinReadOutcome::NotFound, {}};
    if (size > kMaxSkinFileBytes) return {SkinReadOutcome::CannotOpen, {}};

    std::ifstream file(path, std::ios::binary);
    if (!file) return {SkinReadOutcome::CannotOpen, {}};
    // The file may change while it is read: read one byte past the limit to notice.
    SkinFileBytes result{SkinReadOutcome::Read, std::string(kMaxSkinFileBytes + 1, '\0')};
    file.read(result.bytes.data(), static_cast<std::streamsize>(result.bytes.size()));
    if (file.bad()) return {SkinReadOutcome::CannotOpen, {}};
    const auto got = static_cast<size_t>(file.gcount());
    if (got > kMaxSkinFileBytes) return {SkinReadOutcome::CannotOpen, {}};
    if (got == 0) return {SkinReadOutcome::NotFound, {}};
    result.bytes.resize(got);
    return result;
}

} // namespace hueloom::skincheck
