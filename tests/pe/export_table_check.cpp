// Reads the export and import tables of the built plug-in DLL and checks what the host
// relies on: the eight underscore names with ordinals 1 to 8 in alphabetical order, the
// module name "Hueloom.dll", the machine type, and imports from system DLLs only.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Image {
    std::vector<unsigned char> bytes;
    struct Section { uint32_t virtualAddress, virtualSize, rawOffset, rawSize; };
    std::vector<Section> sections;

    uint32_t u16(size_t offset) const { return offset + 2 <= bytes.size() ? bytes[offset] | bytes[offset + 1] << 8 : 0; }
    uint32_t u32(size_t offset) const {
        return offset + 4 <= bytes.size()
                   ? bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | uint32_t(bytes[offset + 3]) << 24
                   : 0;
    }
    // File offset of a relative virtual address, or 0 when no section holds it.
    size_t offsetOf(uint32_t rva) const {
        for (const Section& s : sections)
            if (rva >= s.virtualAddress && rva < s.virtualAddress + std::max(s.virtualSize, s.rawSize))
                return rva - s.virtualAddress + s.rawOffset;
        return 0;
    }
    std::string textAt(uint32_t rva) const {
        size_t offset = offsetOf(rva);
        std::string out;
        while (offset && offset < bytes.size() && bytes[offset]) out += char(bytes[offset++]);
        return out;
    }
};

int g_failures = 0;
int g_checks = 0;

void check(bool ok, const std::string& what) {
    ++g_checks;
    if (!ok) {
        ++g_failures;
        std::printf("FAILED: %s\n", what.c_str());
    }
}

std::string lower(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: export_table_check Hueloom.dll\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "export_table_check: cannot read %s\n", argv[1]);
        return 2;
    }
    Image image;
    image.bytes.assign(std::istreambuf_iterator<char>(file), {});

    const uint32_t pe = image.u32(0x3C);
    check(image.u32(pe) == 0x00004550, "PE signature");
    check(image.u16(pe + 4) == 0x14C, "machine is i386 (the 32-bit product)");
    const uint32_t sectionCount = image.u16(pe + 6);
    const uint32_t optionalSize = image.u16(pe + 20);
    const size_t optional = pe + 24;
    check(image.u16(optional) == 0x10B, "PE32 optional header");
    for (uint32_t i = 0; i < sectionCount; ++i) {
        const size_t s = optional + optionalSize + i * 40;
        image.sections.push_back({image.u32(s + 12), image.u32(s + 8), image.u32(s + 20), image.u32(s + 16)});
    }
    const uint32_t exportRva = image.u32(optional + 96);
    const uint32_t importRva = image.u32(optional + 104);
    const size_t exports = image.offsetOf(exportRva);
    check(exports != 0, "export directory present");
    if (exports) {
        check(image.textAt(image.u32(exports + 12)) == "Hueloom.dll", "module name is Hueloom.dll");
        const uint32_t base = image.u32(exports + 16);
        const uint32_t functionCount = image.u32(exports + 20);
        const uint32_t nameCount = image.u32(exports + 24);
        const size_t names = image.offsetOf(image.u32(exports + 32));
        const size_t ordinals = image.offsetOf(image.u32(exports + 36));
        check(functionCount == 8 && nameCount == 8, "exactly eight exports, all named");
        const char* expected[] = {"_nbEditAction", "_nbExecAction",    "_nbGetPluginInfo",
                                  "_nbInitPlugIn", "_nbInitialize",    "_nbMessage",
                                  "_nbRegisterPlugIn", "_nbRegisterScriptProcessor"};
        for (uint32_t i = 0; i < nameCount && i < 8; ++i) {
            const std::string name = image.textAt(image.u32(names + 4 * i));
            const uint32_t ordinal = base + image.u16(ordinals + 2 * i);
            check(name == expected[i], "export " + std::to_string(i) + " is " + expected[i] + " (got " + name + ")");
            check(ordinal == i + 1, std::string(expected[i]) + " has ordinal " + std::to_string(i + 1) +
                                        " (got " + std::to_string(ordinal) + ")");
        }
    }
    const size_t imports = image.offsetOf(importRva);
    check(imports != 0, "import directory present");
    const std::vector<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll",  "msvcrt.dll",
                                             "comdlg32.dll", "ole32.dll",  "comctl32.dll", "advapi32.dll",
                                             "shell32.dll",  "uxtheme.dll", "dwmapi.dll", "ntdll.dll"};
    for (size_t d = imports; d && image.u32(d + 12) != 0; d += 20) {
        const std::string dll = lower(image.textAt(image.u32(d + 12)));
        const bool isSystem = std::find(system.begin(), system.end(), dll) != system.end() ||
                              dll.rfind("api-ms-win-crt-", 0) == 0;
        check(isSystem, "imports only system DLLs (found " + dll + ")");
    }
    std::printf("export_table_check: %d passed, %d failed\n", g_checks - g_failures, g_failures);
    return g_failures == 0 ? 0 : 1;
}
