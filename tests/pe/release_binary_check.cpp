// Checks the two binaries of the release zip for what the zip promises beyond the export
// table (export_table_check): both are 32-bit and stripped of debug information, carry a
// version resource whose file version is the plug-in's reported version, and an icon;
// the plug-in is a DLL named for the authoring tool's installer, the checker a GUI
// program that opens no console.
//   release_binary_check plugin Hueloom.nbp VERSION
//   release_binary_check checker skin_check.exe VERSION
#include <cstdio>
#include <string>

#include "check_count.h"
#include "pe_file.h"
#include "version_info.h"

using namespace hueloom::pe;

namespace {

CheckCount check;

std::string orNone(const std::optional<std::string>& text) { return text ? *text : "none"; }

void checkStripped(const PeFile& file) {
    std::string debug;
    for (const Section& section : file.sections())
        if (section.name.rfind(".debug", 0) == 0 || section.name.rfind(".zdebug", 0) == 0) debug += " " + section.name;
    check(debug.empty(), "no debug sections (found" + debug + ")");
    check(file.symbolCount() == 0, "no symbols (found " + std::to_string(file.symbolCount()) + ")");
    check(file.directorySize(kDebugDirectory) == 0, "no debug directory");
}

void checkVersion(const PeFile& file, const std::string& version,
                  const std::vector<std::pair<std::string, std::string>>& texts) {
    const std::vector<Resource> resources = file.resources(kResourceVersion);
    check(resources.size() == 1, "one version resource (found " + std::to_string(resources.size()) + ")");
    if (resources.empty()) return;
    const VersionInfo info = readVersionInfo(resources.front().data);
    check(info.fileVersion == version + ".0",
          "version resource: file version " + orNone(info.fileVersion) + ", expected " + version + ".0");
    check(info.productVersion == version + ".0",
          "version resource: product version " + orNone(info.productVersion) + ", expected " + version + ".0");
    for (const auto& [key, expected] : texts) {
        const auto found = info.texts.find(key);
        const std::string actual = found == info.texts.end() ? "none" : "'" + found->second + "'";
        check(found != info.texts.end() && found->second == expected,
              "version resource: " + key + " is " + actual + ", expected '" + expected + "'");
    }
}

// Sizes in the first icon group ("32x32"), each backed by an icon resource of its id.
void checkIcon(const PeFile& file) {
    const std::vector<Resource> groups = file.resources(kResourceGroupIcon);
    check(!groups.empty(), "an icon resource");
    if (groups.empty()) return;
    const std::vector<unsigned char>& group = groups.front().data;
    const std::vector<Resource> icons = file.resources(kResourceIcon);
    bool has32 = false, has16 = false;
    const size_t count = group.size() >= 6 ? size_t(group[4] | group[5] << 8) : 0;
    for (size_t i = 0; i < count && 6 + (i + 1) * 14 <= group.size(); ++i) {
        const unsigned char* entry = group.data() + 6 + i * 14;
        const int width = entry[0] ? entry[0] : 256, height = entry[1] ? entry[1] : 256;
        const int bits = entry[6] | entry[7] << 8;
        const uint32_t id = entry[12] | entry[13] << 8;
        bool backed = false;
        for (const Resource& icon : icons) backed = backed || icon.id == id;
        check(backed, "icon image " + std::to_string(id) + " of the group is present");
        has32 = has32 || (width == 32 && height == 32 && bits == 32);
        has16 = has16 || (width == 16 && height == 16 && bits == 32);
    }
    check(has32, "the icon has a 32 x 32 image in 32-bit colour");
    check(has16, "the icon has a 16 x 16 image in 32-bit colour");
}

} // namespace

int main(int argc, char** argv) {
    const std::string kind = argc == 4 ? argv[1] : "";
    if (kind != "plugin" && kind != "checker") {
        std::fprintf(stderr, "usage: release_binary_check plugin|checker FILE VERSION\n");
        return 2;
    }
    PeFile file;
    if (!file.load(argv[2])) {
        std::printf("FAILED: cannot read %s\n", argv[2]);
        return 1;
    }
    const std::string version = argv[3];
    check(file.isPe(), "a PE file");
    check(file.machine() == kMachineI386, "machine is i386 (32-bit)");
    checkStripped(file);
    if (kind == "plugin") {
        check(file.isDll(), "a DLL");
        checkVersion(file, version,
                     {{"FileVersion", version}, {"ProductVersion", version}, {"ProductName", "Hueloom"},
                      {"OriginalFilename", "Hueloom.nbp"}, {"InternalName", "Hueloom.dll"}});
    } else {
        check(!file.isDll(), "a program, not a DLL");
        check(file.subsystem() == kSubsystemGui,
              "a GUI program that opens no console (subsystem " + std::to_string(file.subsystem()) + ")");
        checkVersion(file, version, {{"FileVersion", version}, {"OriginalFilename", "skin_check.exe"}});
    }
    checkIcon(file);
    return check.finish(std::string("release_binary_check: ") + argv[2]);
}
