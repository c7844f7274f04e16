#include "plugin_library.h"

#include "foreign_memory.h"

namespace standin {

namespace {

std::string systemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return narrow(text);
}

}  // namespace

std::string PluginLibrary::load(const std::wstring& path) {
    const std::string shownPath = narrow(path);
    HMODULE module = LoadLibraryW(path.c_str());
    if (!module) {
        const DWORD code = GetLastError();
        return "cannot load plug-in '" + shownPath + "': error " + std::to_string(code) + " " +
               systemMessage(code);
    }
    std::array<FARPROC, kExportNames.size()> found{};
    std::string missing;
    for (size_t i = 0; i < kExportNames.size(); ++i) {
        found[i] = GetProcAddress(module, kExportNames[i]);
        if (!found[i]) missing += std::string(missing.empty() ? "" : ", ") + kExportNames[i];
    }
    if (!missing.empty()) {
        FreeLibrary(module);
        return "plug-in '" + shownPath + "' lacks the export" +
               (missing.find(',') == std::string::npos ? " " : "s ") + missing;
    }
    module_ = module;
    entries_.initialize = reinterpret_cast<InitializeEntry>(found[0]);
    entries_.initPlugIn = reinterpret_cast<InitPlugInEntry>(found[1]);
    entries_.getPluginInfo = reinterpret_cast<GetPluginInfoEntry>(found[2]);
    entries_.registerPlugIn = reinterpret_cast<RegisterPlugInEntry>(found[3]);
    entries_.registerScriptProcessor = reinterpret_cast<RegisterScriptProcessorEntry>(found[4]);
    entries_.execAction = reinterpret_cast<ExecActionEntry>(found[5]);
    entries_.editAction = reinterpret_cast<EditActionEntry>(found[6]);
    entries_.message = reinterpret_cast<MessageEntry>(found[7]);
    usable_ = true;
    released_ = false;
    return {};
}

void PluginLibrary::adopt(const EntryPoints& entries) noexcept {
    module_ = nullptr;
    entries_ = entries;
    usable_ = true;
    released_ = false;
}

void PluginLibrary::release() noexcept {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    entries_ = EntryPoints{};
    released_ = usable_ || released_;
    usable_ = false;
}

}  // namespace standin
