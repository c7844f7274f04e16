#include "module_facts.h"

#include <cwchar>
#include <vector>

#include "foreign_memory.h"

namespace standin {

namespace {

std::wstring modulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return path.substr(0, length);
        path.resize(path.size() * 2);
    }
}

std::wstring fileNameOf(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

// The fixed version and the FileVersion string, read as Explorer reads them.
void readVersion(const std::wstring& path, ModuleFacts& facts) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return;
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
        length >= sizeof(VS_FIXEDFILEINFO) && fixed->dwSignature == VS_FFI_SIGNATURE)
        facts.fileVersion = fixedVersionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS);

    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < sizeof(Translation))
        return;
    wchar_t key[64];
    std::swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\FileVersion", translation->language,
                  translation->codePage);
    wchar_t* text = nullptr;
    if (VerQueryValueW(block.data(), key, reinterpret_cast<void**>(&text), &length) && text)
        facts.fileVersionText = narrow(std::wstring(text, wcsnlen(text, length)));
}

BOOL CALLBACK takeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    auto* first = reinterpret_cast<std::wstring*>(found);
    // A numbered group is kept as "#N", which the resource functions read as that number.
    *first = IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<uintptr_t>(name)) : name;
    return FALSE;
}

BYTE* resourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type, DWORD& size) {
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    size = found ? SizeofResource(module, found) : 0;
    return loaded ? static_cast<BYTE*>(LockResource(loaded)) : nullptr;
}

// The size of the image the first icon group offers for 32 x 32, loaded as the system
// would load it for a list of actions; empty when there is none.
std::string iconShown(HMODULE module) {
    std::wstring group;
    EnumResourceNamesW(module, RT_GROUP_ICON, takeFirstName, reinterpret_cast<LONG_PTR>(&group));
    if (group.empty()) return {};
    DWORD size = 0;
    BYTE* directory = resourceBytes(module, group.c_str(), RT_GROUP_ICON, size);
    if (!directory) return {};
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, 32, 32, LR_DEFAULTCOLOR);
    if (id == 0) return {};
    BYTE* image = resourceBytes(module, MAKEINTRESOURCEW(id), RT_ICON, size);
    if (!image) return {};
    // Width and height 0: the image's own size, not scaled to a wish.
    HICON icon = CreateIconFromResourceEx(image, size, TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
    if (!icon) return {};
    std::string shown;
    ICONINFO info{};
    if (GetIconInfo(icon, &info)) {
        BITMAP bitmap{};
        if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap))
            shown = std::to_string(bitmap.bmWidth) + "x" + std::to_string(bitmap.bmHeight);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
    DestroyIcon(icon);
    return shown;
}

}  // namespace

// GCC 12 falsely reports an overlapping copy (-Wrestrict) for a literal + a temporary std::string.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
std::string fixedVersionText(uint32_t mostSignificant, uint32_t leastSignificant) {
    std::string text = std::to_string(mostSignificant >> 16) + "." + std::to_string(mostSignificant & 0xFFFF) +
                       "." + std::to_string(leastSignificant >> 16);
    if ((leastSignificant & 0xFFFF) != 0) text += "." + std::to_string(leastSignificant & 0xFFFF);
    return text;
}
#pragma GCC diagnostic pop

ModuleFacts readModuleFacts(HMODULE module) {
    ModuleFacts facts;
    if (!module) return facts;
    const std::wstring path = modulePath(module);
    facts.fileName = narrow(fileNameOf(path));
    readVersion(path, facts);
    facts.icon = iconShown(module);
    return facts;
}

void exposeModuleFacts(const ModuleFacts& facts, VariableStore& variables) {
    variables.set("[Host.PluginFile]", facts.fileName);
    variables.set("[Host.FileVersion]", facts.fileVersion);
    variables.set("[Host.FileVersionText]", facts.fileVersionText);
    variables.set("[Host.Icon]", facts.icon);
}

}  // namespace standin
