#include "theme/skin_file.h"

#include <new>

#include "platform/ansi_text.h"
#include "platform/file_bytes.h"
#include "theme/ini_reader.h"

namespace hueloom {

SkinLoad loadSkinFile(const std::wstring& path) noexcept {
    try {
        const FileBytes file = readFileBytes(path, kMaxSkinFileBytes);
        if (file.outcome == FileReadOutcome::NotFound) return {SkinLoadOutcome::NotFound, {}};
        if (file.outcome == FileReadOutcome::CannotOpen) return {SkinLoadOutcome::CannotOpen, {}};
        return {SkinLoadOutcome::Loaded, readSkinSettings(IniDocument::parse(file.bytes, decodeAnsi), path)};
    } catch (const std::bad_alloc&) {
        return {SkinLoadOutcome::CannotOpen, {}};
    }
}

} // namespace hueloom
