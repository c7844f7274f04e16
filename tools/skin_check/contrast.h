#pragma once
// Readability of one colour on another, measured as WCAG 2 contrast ratios.
#include <string>

#include "skin_check/finding.h"
#include "theme/color.h"

namespace hueloom::skincheck {

// Below these ratios text is hard to read (warning) or unreadable for many (error).
inline constexpr double kWarningBelowRatio = 4.5;
inline constexpr double kErrorBelowRatio = 3.0;

// WCAG 2 relative luminance: sRGB channels linearised and weighted 0.2126, 0.7152, 0.0722.
[[nodiscard]] double relativeLuminance(Color color) noexcept;
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white; the
// order of the two colours does not matter.
[[nodiscard]] double contrastRatio(Color first, Color second) noexcept;
[[nodiscard]] Severity contrastSeverity(double ratio) noexcept;

// Two decimals, never rounded up across a threshold: 4.496 is shown as 4.49, not 4.50.
[[nodiscard]] std::string ratioText(double ratio);

} // namespace hueloom::skincheck
