#include "pe_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace hueloom::pe {

bool PeFile::load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes_.assign(std::istreambuf_iterator<char>(file), {});
    peOffset_ = u32(0x3C);
    isPe_ = u16(0) == 0x5A4D && u32(peOffset_) == 0x00004550;
    if (!isPe_) return true;
    optional_ = peOffset_ + 24;
    const uint32_t count = u16(peOffset_ + 6);
    const uint32_t optionalSize = u16(peOffset_ + 20);
    const size_t strings = symbolTable() ? symbolTable() + size_t(symbolCount()) * 18 : 0;
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = optional_ + optionalSize + size_t(i) * 40;
        Section section;
        for (size_t c = 0; c < 8 && at + c < bytes_.size() && bytes_[at + c]; ++c) section.name += char(bytes_[at + c]);
        // "/N": the name is at offset N of the string table that follows the symbols.
        if (section.name.size() > 1 && section.name[0] == '/' && strings) {
            size_t offset = strings;
            size_t number = 0;
            for (size_t c = 1; c < section.name.size() && section.name[c] >= '0' && section.name[c] <= '9'; ++c)
                number = number * 10 + size_t(section.name[c] - '0');
            offset += number;
            section.name.clear();
            while (offset < bytes_.size() && bytes_[offset]) section.name += char(bytes_[offset++]);
        }
        section.virtualSize = u32(at + 8);
        section.virtualAddress = u32(at + 12);
        section.rawSize = u32(at + 16);
        section.rawOffset = u32(at + 20);
        sections_.push_back(section);
    }
    return true;
}

uint32_t PeFile::u16(size_t offset) const {
    return offset + 2 <= bytes_.size() ? bytes_[offset] | bytes_[offset + 1] << 8 : 0;
}

uint32_t PeFile::u32(size_t offset) const {
    return offset + 4 <= bytes_.size() ? bytes_[offset] | bytes_[offset + 1] << 8 | bytes_[offset + 2] << 16 |
                                             uint32_t(bytes_[offset + 3]) << 24
                                       : 0;
}

// The directories follow the 96 bytes (PE32) or 112 bytes (PE32+) of fixed fields.
uint32_t PeFile::directoryRva(int index) const {
    return u32(optional_ + (optionalMagic() == 0x20B ? 112 : 96) + size_t(index) * 8);
}

uint32_t PeFile::directorySize(int index) const {
    return u32(optional_ + (optionalMagic() == 0x20B ? 112 : 96) + size_t(index) * 8 + 4);
}

size_t PeFile::offsetOf(uint32_t rva) const {
    for (const Section& s : sections_)
        if (rva >= s.virtualAddress && rva < s.virtualAddress + std::max(s.virtualSize, s.rawSize))
            return rva - s.virtualAddress + s.rawOffset;
    return 0;
}

std::string PeFile::textAt(uint32_t rva) const {
    size_t offset = offsetOf(rva);
    std::string out;
    while (offset && offset < bytes_.size() && bytes_[offset]) out += char(bytes_[offset++]);
    return out;
}

// The resource tree has three levels: type, name, language. An entry whose offset has the
// top bit set leads to a subdirectory; offsets count from the start of the tree.
std::vector<Resource> PeFile::resources(uint32_t type) const {
    std::vector<Resource> found;
    const size_t root = offsetOf(directoryRva(kResourceDirectory));
    if (!root) return found;
    const auto entries = [&](size_t directory) {
        std::vector<std::pair<uint32_t, uint32_t>> list;  // name or id, offset
        const uint32_t count = u16(directory + 12) + u16(directory + 14);
        for (uint32_t i = 0; i < count && i < 4096; ++i)
            list.emplace_back(u32(directory + 16 + size_t(i) * 8), u32(directory + 20 + size_t(i) * 8));
        return list;
    };
    constexpr uint32_t kSubdirectory = 0x80000000u;
    for (const auto& [typeId, typeOffset] : entries(root)) {
        if (typeId != type || !(typeOffset & kSubdirectory)) continue;
        for (const auto& [nameId, nameOffset] : entries(root + (typeOffset & ~kSubdirectory))) {
            if (!(nameOffset & kSubdirectory)) continue;
            for (const auto& [language, dataOffset] : entries(root + (nameOffset & ~kSubdirectory))) {
                (void)language;
                if (dataOffset & kSubdirectory) continue;
                const size_t entry = root + dataOffset;
                const size_t data = offsetOf(u32(entry));
                const uint32_t size = u32(entry + 4);
                if (!data || data + size > bytes_.size()) continue;
                Resource resource;
                resource.id = (nameId & kSubdirectory) ? 0 : nameId;
                resource.data.assign(bytes_.begin() + long(data), bytes_.begin() + long(data + size));
                found.push_back(std::move(resource));
            }
        }
    }
    return found;
}

} // namespace hueloom::pe
