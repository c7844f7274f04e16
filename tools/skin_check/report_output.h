#pragma once
// The two forms of the checker's output, both UTF-8: a readable report for authors and
// one JSON document for programs.
#include <string>
#include <vector>

#include "skin_check/skin_report.h"

namespace hueloom::skincheck {

[[nodiscard]] std::string textReport(const SkinReport& report);
// One line per file (when there are several) and the totals.
[[nodiscard]] std::string textSummary(const std::vector<SkinReport>& reports);

// An array with one object per file.
[[nodiscard]] std::string jsonReport(const std::vector<SkinReport>& reports);

} // namespace hueloom::skincheck
