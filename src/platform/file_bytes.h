#pragma once
// Reading a whole small file from the host's GUI thread without blocking it.
#include <cstddef>
#include <string>

namespace hueloom {

enum class FileReadOutcome { Read, NotFound, CannotOpen };

struct FileBytes {
    FileReadOutcome outcome = FileReadOutcome::NotFound;
    std::string bytes;
};

// The whole file, read while other programs may keep it open for writing or deleting.
// Missing, a folder or empty: NotFound. Devices, pipes and files above `maxBytes` are
// refused (CannotOpen) rather than read: either could block the host's GUI thread or
// exhaust its memory. May throw std::bad_alloc.
[[nodiscard]] FileBytes readFileBytes(const std::wstring& path, std::size_t maxBytes);

} // namespace hueloom
