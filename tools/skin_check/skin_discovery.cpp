#include "skin_check/skin_discovery.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <system_error>

namespace hueloom::skincheck {

namespace {

std::wstring folded(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return text;
}

// Regular files ending in .ini, in name order.
std::vector<std::filesystem::path> iniFilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        if (!it->is_regular_file(kindError)) continue;
        if (folded(it->path().extension().wstring()) == L".ini") found.push_back(it->path().filename());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        const std::wstring left = folded(a.wstring()), right = folded(b.wstring());
        return left != right ? left < right : a.wstring() < b.wstring();
    });
    return found;
}

// The subfolder called Skins in any letter case; the file system decides only on Windows.
std::filesystem::path skinsFolderIn(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> matches;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        if (it->is_directory(kindError) && folded(it->path().filename().wstring()) == L"skins")
            matches.push_back(it->path().filename());
    }
    if (matches.empty()) return {};
    // Where case matters and several exist, "Skins" itself first, then the smallest name.
    std::sort(matches.begin(), matches.end());
    const auto exact = std::find(matches.begin(), matches.end(), std::filesystem::path(L"Skins"));
    return exact != matches.end() ? *exact : matches.front();
}

} // namespace

std::vector<CommandArgument> skinsBeside(const std::filesystem::path& folder) {
    std::vector<CommandArgument> skins;
    for (const std::filesystem::path& name : iniFilesIn(folder)) skins.push_back({name.wstring(), folder / name});
    const std::filesystem::path sub = skinsFolderIn(folder);
    if (!sub.empty())
        for (const std::filesystem::path& name : iniFilesIn(folder / sub))
            skins.push_back({(sub / name).wstring(), folder / sub / name});
    return skins;
}

} // namespace hueloom::skincheck
