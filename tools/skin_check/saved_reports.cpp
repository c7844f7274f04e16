#include "skin_check/saved_reports.h"

#include <fstream>

namespace hueloom::skincheck {

std::filesystem::path reportFileFor(const std::filesystem::path& skin) {
    std::filesystem::path name = skin.stem();
    name += ".report.txt";
    return skin.parent_path() / name;
}

std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::string windowsTextFile(std::string_view utf8) { return "\xEF\xBB\xBF" + withCrLf(utf8); }

std::vector<SavedReport> saveReports(const CheckRun& run) {
    std::vector<SavedReport> saved;
    for (size_t i = 0; i < run.reports.size() && i < run.files.size(); ++i) {
        if (!run.reports[i].readable()) continue;
        SavedReport result{reportFileFor(run.files[i].path), false};
        const std::string content = windowsTextFile(singleFileOutput(run.reports[i]));
        std::ofstream file(result.file, std::ios::binary | std::ios::trunc);
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
        file.close();
        result.saved = !file.fail();
        saved.push_back(result);
    }
    return saved;
}

std::wstring saveStatus(const std::vector<SavedReport>& saved) {
    int written = 0;
    const SavedReport* firstFailure = nullptr;
    for (const SavedReport& report : saved) {
        if (report.saved) ++written;
        else if (!firstFailure) firstFailure = &report;
    }
    if (saved.empty()) return L"No report to save: no skin file could be read.";
    if (firstFailure) {
        const int failed = static_cast<int>(saved.size()) - written;
        std::wstring text = L"Could not save " + firstFailure->file.wstring();
        if (failed > 1) text += L" and " + std::to_wstring(failed - 1) + L" more";
        return text + L": the folder may be write-protected";
    }
    if (written == 1) return L"Saved " + saved.front().file.wstring();
    return L"Saved " + std::to_wstring(written) + L" reports, each beside its skin as NAME.report.txt";
}

} // namespace hueloom::skincheck
