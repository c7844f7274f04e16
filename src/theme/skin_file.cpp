#include "theme/skin_file.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <optional>
#include <vector>

#include "common/text.h"
#include "engine/auto_refresh.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "platform/dark_mode.h"
#include "platform/system_functions.h"
#include "plugin/host_bridge.h"
#include "plugin/process_state.h"
#include "plugin/skin_variables.h"
#include "theme/ini_reader.h"
#include "theme/skin_settings.h"
#include "theme/theme_actions.h"

namespace hueloom {

namespace {

constexpr LONGLONG kMaxSkinBytes = static_cast<LONGLONG>(kMaxSkinFileBytes);

enum class ReadOutcome { Read, NotFound, CannotOpen };

struct SkinBytes {
    ReadOutcome outcome = ReadOutcome::NotFound;
    std::string bytes;
};

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    [[nodiscard]] bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// The whole file, read while other programs may keep it open for writing or deleting.
// Devices, pipes and oversized files are refused rather than read: either could block
// the host's GUI thread or exhaust its memory.
SkinBytes readSkinBytes(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes) ||
        (attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (attributes.nFileSizeHigh == 0 && attributes.nFileSizeLow == 0))
        return {ReadOutcome::NotFound, {}};

    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxSkinBytes)
        return {ReadOutcome::CannotOpen, {}};

    // The file may grow or shrink while it is read: read up to the limit, stop at its end.
    SkinBytes result{ReadOutcome::Read, {}};
    result.bytes.resize(static_cast<size_t>(size.QuadPart) + 1);
    size_t filled = 0;
    for (;;) {
        if (filled == result.bytes.size()) {
            if (static_cast<LONGLONG>(filled) > kMaxSkinBytes) return {ReadOutcome::CannotOpen, {}};
            result.bytes.resize(std::min(filled * 2, kMaxSkinFileBytes + 1));
        }
        const DWORD wanted = static_cast<DWORD>(result.bytes.size() - filled);
        DWORD got = 0;
        if (!ReadFile(file.get(), result.bytes.data() + filled, wanted, &got, nullptr))
            return {ReadOutcome::CannotOpen, {}};
        if (got == 0) break;
        filled += got;
    }
    result.bytes.resize(filled);
    // Emptied between the size check and the read: as missing as a zero-byte file.
    if (filled == 0) result.outcome = ReadOutcome::NotFound;
    return result;
}

std::wstring decodeAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (chars <= 0) return {};
    std::wstring text(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), chars);
    return text;
}

// Every entry of "Objects" becomes its variable in file order, so a repeated key ends
// with its later value.
void exportObjects(const std::vector<SkinVariable>& objects) {
    for (const SkinVariable& variable : objects) HostBridge::setVariable(variable.name, variable.value);
}

// A subroutine may apply a skin again; one that applies itself would recurse until the
// host's stack overflows, so nesting stops here.
constexpr int32_t kMaxSkinSubroutineDepth = 8;

// GoSub "Name" for a subroutine that is not blank; the script runs before this returns,
// while repainting is still frozen and with every [Skin.*] variable already set.
// False when the subroutine was not run because Apply calls are nested too deeply.
bool runSubroutine(const std::wstring& subroutine) {
    const std::wstring name = trimSpaces(subroutine);
    if (name.empty()) return true;
    int32_t& depth = process().skinSubroutineDepth;
    if (depth >= kMaxSkinSubroutineDepth) return false;
    struct DepthGuard {
        int32_t& depth;
        explicit DepthGuard(int32_t& d) : depth(d) { ++depth; }
        ~DepthGuard() { --depth; }
    } guard(depth);
    HostBridge::goSub(L"GoSub \"" + name + L"\"");
    return true;
}

int32_t reportApplied(const std::wstring& name, const std::wstring& subroutine, bool subroutineRan,
                      const wchar_t* remark) {
    if (!subroutineRan) {
        HostBridge::setLastError(L"Skin '" + name + L"' applied, but subroutine '" + trimSpaces(subroutine) +
                                 L"' not run: Hueloom_Apply nested too deeply");
        return 0;
    }
    HostBridge::setLastError(L"OK - skin '" + name + remark);
    return 1;
}

// A change of mode as everywhere else, then the file's settings over it; they already
// hold the palette's colours where the file gives none.
void applyThemeFromSkin(const SkinSettings& skin) {
    ThemeState& theme = process().theme;
    theme.mode = skin.mode == SkinMode::Light ? ThemeMode::Light : ThemeMode::Dark;
    applyModePalette();
    theme.controlBack = skin.controlBack;
    theme.controlText = skin.controlText;
    theme.pageBack = skin.pageBack;
    theme.titleBar = skin.titleBar;
    theme.titleText = skin.titleText;
    theme.articleText = skin.articleText;
    theme.glyphs = skin.glyphs;
    theme.accent = skin.accent;
    theme.active = true;
    rebuildBrushes();
}

} // namespace

int32_t applySkinFile(const std::wstring& path, const std::wstring& subroutine) {
    loadSystemFunctions();
    // The file is read and its settings worked out before anything changes, so a file
    // that cannot be read (or that exhausts memory) leaves the theme as it was.
    std::optional<SkinSettings> loaded;
    try {
        SkinBytes file = readSkinBytes(path);
        if (file.outcome == ReadOutcome::NotFound) {
            HostBridge::setLastError(L"Skin file not found: " + path);
            return 0;
        }
        if (file.outcome == ReadOutcome::CannotOpen) {
            HostBridge::setLastError(L"Cannot open skin file: " + path);
            return 0;
        }
        loaded = readSkinSettings(IniDocument::parse(file.bytes, decodeAnsi), path);
    } catch (const std::bad_alloc&) {
        HostBridge::setLastError(L"Cannot open skin file: " + path);
        return 0;
    }
    const SkinSettings& skin = *loaded;

    beginUpdate();
    ThemeState& theme = process().theme;
    theme.skinName = skin.name;
    theme.skinFile = path;

    if (skin.mode == SkinMode::System) {
        resetTheme(true);
        HostBridge::setVariable(L"[Skin.Name]", skin.name);
        HostBridge::setVariable(L"[Skin.File]", path);
        exportObjects(skin.objects);
        const bool ran = runSubroutine(subroutine);
        endUpdate(false);
        return reportApplied(skin.name, subroutine, ran, L"' (System mode)");
    }

    applyThemeFromSkin(skin);
    exportObjects(skin.objects);
    setAppDarkMode();
    refreshWindows(true);
    startAutoRefresh();
    HostBridge::setVariable(L"[Skin.Name]", skin.name);
    HostBridge::setVariable(L"[Skin.File]", path);
    exportSkinVariables();
    const bool ran = runSubroutine(subroutine);
    endUpdate(false);
    return reportApplied(skin.name, subroutine, ran, L"' applied");
}

} // namespace hueloom
