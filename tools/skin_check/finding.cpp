#include "skin_check/finding.h"

#include <algorithm>

namespace hueloom::skincheck {

const char* severityName(Severity severity) noexcept {
    switch (severity) {
    case Severity::Ok: return "ok";
    case Severity::Info: return "info";
    case Severity::Warning: return "warning";
    default: return "error";
    }
}

void sortByLine(std::vector<Finding>& findings) {
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

} // namespace hueloom::skincheck
