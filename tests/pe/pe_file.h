#pragma once
// Reads a Windows PE file (DLL or program) as bytes, for the checks of the built and the
// shipped binaries: headers, sections with their full names, data directories and
// resources. Runs natively; every read outside the file gives 0 instead of failing.
#include <cstdint>
#include <string>
#include <vector>

namespace hueloom::pe {

inline constexpr uint16_t kMachineI386 = 0x14C;
inline constexpr uint16_t kSubsystemGui = 2;
inline constexpr int kExportDirectory = 0;
inline constexpr int kImportDirectory = 1;
inline constexpr int kResourceDirectory = 2;
inline constexpr int kDebugDirectory = 6;
inline constexpr uint32_t kResourceIcon = 3;
inline constexpr uint32_t kResourceGroupIcon = 14;
inline constexpr uint32_t kResourceVersion = 16;

struct Section {
    std::string name;  // long names ("/4") resolved through the COFF string table
    uint32_t virtualAddress = 0, virtualSize = 0, rawOffset = 0, rawSize = 0;
};

struct Resource {
    uint32_t id = 0;  // 0 for a resource with a name instead of a number
    std::vector<unsigned char> data;
};

class PeFile {
public:
    // False when the file cannot be read; a file that is not a PE reads with isPe() false.
    bool load(const std::string& path);

    [[nodiscard]] bool isPe() const { return isPe_; }
    [[nodiscard]] uint16_t machine() const { return u16(peOffset_ + 4); }
    [[nodiscard]] uint16_t characteristics() const { return u16(peOffset_ + 22); }
    [[nodiscard]] bool isDll() const { return (characteristics() & 0x2000) != 0; }
    [[nodiscard]] uint16_t optionalMagic() const { return u16(optional_); }
    [[nodiscard]] uint16_t subsystem() const { return u16(optional_ + 68); }
    [[nodiscard]] uint32_t symbolTable() const { return u32(peOffset_ + 12); }
    [[nodiscard]] uint32_t symbolCount() const { return u32(peOffset_ + 16); }
    [[nodiscard]] uint32_t directoryRva(int index) const;
    [[nodiscard]] uint32_t directorySize(int index) const;
    [[nodiscard]] const std::vector<Section>& sections() const { return sections_; }

    [[nodiscard]] uint32_t u16(size_t offset) const;
    [[nodiscard]] uint32_t u32(size_t offset) const;
    // File offset of a relative virtual address, or 0 when no section holds it.
    [[nodiscard]] size_t offsetOf(uint32_t rva) const;
    // The zero-terminated text at a relative virtual address.
    [[nodiscard]] std::string textAt(uint32_t rva) const;

    // Every resource of that type, in the order of the resource directory (any language).
    [[nodiscard]] std::vector<Resource> resources(uint32_t type) const;

private:
    std::vector<unsigned char> bytes_;
    std::vector<Section> sections_;
    bool isPe_ = false;
    size_t peOffset_ = 0;
    size_t optional_ = 0;
};

} // namespace hueloom::pe
