#pragma once
// A scratch folder of its own for a test, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace hueloom::skincheck::testing {

struct ScratchFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("hueloom-skin-check-" + std::to_string(std::random_device{}()));

    ScratchFolder() { std::filesystem::create_directories(path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    // Writes a file (and the folders on its way) and returns its whole path.
    std::filesystem::path write(const std::filesystem::path& name, std::string_view bytes) const {
        std::filesystem::create_directories((path / name).parent_path());
        std::ofstream(path / name, std::ios::binary) << bytes;
        return path / name;
    }
};

} // namespace hueloom::skincheck::testing
