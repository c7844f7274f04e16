#include "skin_check/contrast.h"

#include <cmath>
#include <cstdio>

namespace hueloom::skincheck {

namespace {

double linearChannel(int32_t channel) noexcept {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(Color color) noexcept {
    return 0.2126 * linearChannel(redOf(color)) + 0.7152 * linearChannel(greenOf(color)) +
           0.0722 * linearChannel(blueOf(color));
}

double contrastRatio(Color first, Color second) noexcept {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05);
}

Severity contrastSeverity(double ratio) noexcept {
    if (ratio < kErrorBelowRatio) return Severity::Error;
    if (ratio < kWarningBelowRatio) return Severity::Warning;
    return Severity::Ok;
}

std::string ratioText(double ratio) {
    double shown = std::round(ratio * 100.0) / 100.0;
    if (contrastSeverity(shown) != contrastSeverity(ratio)) shown = std::floor(ratio * 100.0) / 100.0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", shown);
    return buffer;
}

} // namespace hueloom::skincheck
