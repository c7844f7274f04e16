#include "version_info.h"

#include <algorithm>

namespace hueloom::pe {

namespace {

constexpr uint32_t kFixedSignature = 0xFEEF04BD;

class Reader {
public:
    explicit Reader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    uint32_t u16(size_t at) const { return at + 2 <= bytes_.size() ? bytes_[at] | bytes_[at + 1] << 8 : 0; }
    uint32_t u32(size_t at) const { return u16(at) | u16(at + 2) << 16; }

    // UTF-16 up to the terminator or the end, as ASCII (the values checked are ASCII).
    std::string text(size_t at, size_t end, size_t* after = nullptr) const {
        std::string out;
        for (; at + 2 <= end && at + 2 <= bytes_.size(); at += 2) {
            const uint32_t c = u16(at);
            if (c == 0) {
                at += 2;
                break;
            }
            out += c < 0x80 ? char(c) : '?';
        }
        if (after) *after = at;
        return out;
    }

private:
    const std::vector<unsigned char>& bytes_;
};

size_t aligned(size_t at) { return (at + 3) & ~size_t(3); }

std::string versionText(uint32_t high, uint32_t low) {
    return std::to_string(high >> 16) + "." + std::to_string(high & 0xFFFF) + "." + std::to_string(low >> 16) + "." +
           std::to_string(low & 0xFFFF);
}

// Each block: length, value length, type (1: text), key, padding, value, padding, children.
void readBlock(const Reader& r, size_t at, size_t limit, int depth, VersionInfo& info) {
    const size_t length = r.u16(at);
    const size_t end = std::min(at + length, limit);
    if (length < 6 || depth > 3) return;
    const size_t valueLength = r.u16(at + 2);
    const bool isText = r.u16(at + 4) == 1;
    size_t afterKey = 0;
    const std::string key = r.text(at + 6, end, &afterKey);
    const size_t value = aligned(afterKey);
    const size_t valueBytes = isText ? valueLength * 2 : valueLength;

    if (depth == 0 && valueBytes >= 52 && r.u32(value) == kFixedSignature) {
        info.fileVersion = versionText(r.u32(value + 8), r.u32(value + 12));
        info.productVersion = versionText(r.u32(value + 16), r.u32(value + 20));
    }
    // Strings sit three levels down: StringFileInfo, a language table, the string.
    if (depth == 3 && isText) info.texts[key] = r.text(value, std::min(value + valueBytes, end));
    if (depth == 3) return;
    for (size_t child = aligned(value + valueBytes); child + 6 <= end;) {
        const size_t childLength = r.u16(child);
        if (childLength == 0) break;
        readBlock(r, child, end, depth + 1, info);
        child = aligned(child + childLength);
    }
}

} // namespace

VersionInfo readVersionInfo(const std::vector<unsigned char>& resource) {
    VersionInfo info;
    readBlock(Reader(resource), 0, resource.size(), 0, info);
    return info;
}

} // namespace hueloom::pe
