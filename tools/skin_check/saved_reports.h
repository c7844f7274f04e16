#pragma once
// "Save report" of the checker's window: each skin's report goes into NAME.report.txt
// beside the skin, as a Windows text file. Pure: file system only, no window calls.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "skin_check/command_line.h"

namespace hueloom::skincheck {

// midnight.ini -> midnight.report.txt in the same folder.
[[nodiscard]] std::filesystem::path reportFileFor(const std::filesystem::path& skin);

// The checker's UTF-8 output as Notepad reads it everywhere: a byte-order mark, and
// CR LF line ends.
[[nodiscard]] std::string windowsTextFile(std::string_view utf8);
// LF -> CR LF, leaving CR LF as it is: what an edit control needs to show line breaks.
[[nodiscard]] std::string withCrLf(std::string_view text);

struct SavedReport {
    std::filesystem::path file;
    bool saved = false;
};

// Writes each readable skin's report beside it, as "skin_check NAME.ini" prints it; a
// skin that could not be read has no report to save and is left out.
[[nodiscard]] std::vector<SavedReport> saveReports(const CheckRun& run);

// One line for the window's status: what was saved where, or what could not be.
[[nodiscard]] std::wstring saveStatus(const std::vector<SavedReport>& saved);

} // namespace hueloom::skincheck
