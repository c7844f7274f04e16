// Reads the export and import tables of the built plug-in DLL and checks what the host
// relies on: the eight underscore names with ordinals 1 to 8 in alphabetical order, the
// module name "Hueloom.dll", the machine type, and imports from system DLLs only.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "check_count.h"
#include "pe_file.h"

using hueloom::pe::PeFile;

namespace {

hueloom::pe::CheckCount check;

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
    PeFile image;
    if (!image.load(argv[1])) {
        std::fprintf(stderr, "export_table_check: cannot read %s\n", argv[1]);
        return 2;
    }

    check(image.isPe(), "PE signature");
    check(image.machine() == hueloom::pe::kMachineI386, "machine is i386 (the 32-bit product)");
    check(image.optionalMagic() == 0x10B, "PE32 optional header");
    const uint32_t exportRva = image.directoryRva(hueloom::pe::kExportDirectory);
    const uint32_t importRva = image.directoryRva(hueloom::pe::kImportDirectory);
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
    return check.finish("export_table_check");
}
