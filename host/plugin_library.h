#pragma once
// The plug-in DLL as the host holds it: loaded by path, reached only through its exports.
#include <windows.h>

#include <string>

#include "plugin_api.h"

namespace standin {

class PluginLibrary {
public:
    PluginLibrary() = default;
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // Loads the DLL and resolves every export. Returns an empty text on success, else a
    // message naming the DLL and what is wrong with it; the library is then not loaded.
    [[nodiscard]] std::string load(const std::wstring& path);
    // Entry points that do not come from a DLL (in-process tests).
    void adopt(const EntryPoints& entries) noexcept;
    // FreeLibrary; the entry points are forgotten and later calls are refused.
    void release() noexcept;

    [[nodiscard]] bool usable() const noexcept { return usable_; }
    [[nodiscard]] bool released() const noexcept { return released_; }
    [[nodiscard]] const EntryPoints& entries() const noexcept { return entries_; }
    // The loaded DLL, null when none is (freed, or entry points adopted in tests).
    [[nodiscard]] HMODULE module() const noexcept { return module_; }

private:
    HMODULE module_ = nullptr;
    EntryPoints entries_{};
    bool usable_ = false;
    bool released_ = false;
};

}  // namespace standin
