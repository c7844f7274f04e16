#pragma once
// What the checker says about a skin: notes, warnings and errors, each tied to a line of
// the file where it has one.
#include <string>
#include <vector>

namespace hueloom::skincheck {

// Ordered: a report is as bad as its worst finding.
enum class Severity { Ok, Info, Warning, Error };

struct Finding {
    Severity severity = Severity::Info;
    int line = 0;        // 1-based; 0 for the file as a whole
    std::wstring key;    // the key or section concerned, empty when none
    std::wstring message;
};

// "ok", "info", "warning" or "error".
[[nodiscard]] const char* severityName(Severity severity) noexcept;

// File order; findings of the whole file first.
void sortByLine(std::vector<Finding>& findings);

} // namespace hueloom::skincheck
