#include "platform/file_bytes.h"

#include <windows.h>

#include <algorithm>

namespace hueloom {

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    [[nodiscard]] bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

} // namespace

FileBytes readFileBytes(const std::wstring& path, std::size_t maxBytes) {
    const auto limit = static_cast<LONGLONG>(maxBytes);
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes) ||
        (attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (attributes.nFileSizeHigh == 0 && attributes.nFileSizeLow == 0))
        return {FileReadOutcome::NotFound, {}};

    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileSizeEx(file.get(), &size) || size.QuadPart > limit)
        return {FileReadOutcome::CannotOpen, {}};

    // The file may grow or shrink while it is read: read up to the limit, stop at its end.
    FileBytes result{FileReadOutcome::Read, {}};
    result.bytes.resize(static_cast<size_t>(size.QuadPart) + 1);
    size_t filled = 0;
    for (;;) {
        if (filled == result.bytes.size()) {
            if (static_cast<LONGLONG>(filled) > limit) return {FileReadOutcome::CannotOpen, {}};
            result.bytes.resize(std::min(filled * 2, maxBytes + 1));
        }
        const DWORD wanted = static_cast<DWORD>(result.bytes.size() - filled);
        DWORD got = 0;
        if (!ReadFile(file.get(), result.bytes.data() + filled, wanted, &got, nullptr))
            return {FileReadOutcome::CannotOpen, {}};
        if (got == 0) break;
        filled += got;
    }
    result.bytes.resize(filled);
    // Emptied between the size check and the read: as missing as a zero-byte file.
    if (filled == 0) result.outcome = FileReadOutcome::NotFound;
    return result;
}

} // namespace hueloom
