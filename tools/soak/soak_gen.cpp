// Writes a seeded soak for the stand-in host:
//   soak_gen --seed N --actions N --out DIR [--gallery DIR]
// DIR gets soak_<seed>.hls, the hostile skins in hostile\ and a copy of the gallery's .ini
// files in gallery\. The same arguments always give the same files.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "hostile_skins.h"
#include "soak_script.h"

namespace fs = std::filesystem;

namespace {

struct Arguments {
    uint64_t seed = 1;
    int actions = 10000;
    fs::path out;
    fs::path gallery;
};

int usage(const char* problem) {
    std::fprintf(stderr, "soak_gen: %s\nusage: soak_gen --seed N --actions N --out DIR [--gallery DIR]\n",
                 problem);
    return 2;
}

bool writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// The gallery's skins, sorted by name so that the script does not depend on the order of
// the directory.
std::vector<fs::path> gallerySkins(const fs::path& folder) {
    std::vector<fs::path> skins;
    if (folder.empty()) return skins;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".ini") skins.push_back(entry.path());
    std::sort(skins.begin(), skins.end());
    return skins;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return usage("an option lacks its value");
        const std::string value = argv[++i];
        char* end = nullptr;
        if (option == "--seed") {
            arguments.seed = std::strtoull(value.c_str(), &end, 10);
            if (value.empty() || *end) return usage("--seed takes a whole number");
        } else if (option == "--actions") {
            const long count = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end || count < 1 || count > 10000000)
                return usage("--actions takes 1 to 10000000");
            arguments.actions = static_cast<int>(count);
        } else if (option == "--out") {
            arguments.out = value;
        } else if (option == "--gallery") {
            arguments.gallery = value;
        } else {
            return usage("unknown option");
        }
    }
    if (arguments.out.empty()) return usage("--out DIR is required");

    try {
        fs::create_directories(arguments.out / "hostile");
        fs::create_directories(arguments.out / "gallery");
        soak::SoakPlan plan;
        plan.seed = arguments.seed;
        plan.actions = arguments.actions;
        for (const fs::path& skin : gallerySkins(arguments.gallery)) {
            fs::copy_file(skin, arguments.out / "gallery" / skin.filename(),
                          fs::copy_options::overwrite_existing);
            plan.gallerySkins.push_back(skin.filename().string());
        }
        soak::Random skinRandom(arguments.seed ^ 0x5EEDF11Eull);
        for (const soak::SkinFile& skin : soak::hostileSkins(skinRandom)) {
            if (!writeFile(arguments.out / "hostile" / skin.name, skin.bytes))
                return usage("cannot write a skin");
            plan.hostileSkins.push_back(skin.name);
        }
        // A folder that looks like a skin file.
        fs::create_directories(arguments.out / "hostile" / "folder.ini");
        plan.hostileSkins.push_back("folder.ini");

        const soak::SoakScript script = soak::writeSoakScript(plan);
        const fs::path path = arguments.out / ("soak_" + std::to_string(arguments.seed) + ".hls");
        if (!writeFile(path, script.text)) return usage("cannot write the script");
        std::printf("%s\nseed %llu: %d actions in the main body, %d in the skin subroutines, %zu bytes\n",
                    path.string().c_str(), static_cast<unsigned long long>(arguments.seed),
                    script.mainActions, script.subroutineActions, script.text.size());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "soak_gen: %s\n", error.what());
        return 1;
    }
    return 0;
}
