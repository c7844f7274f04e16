#pragma once
// Parameter texts a careless or hostile script may pass to an action. Pure.
#include <string>

#include "soak_random.h"

namespace soak {

// Any text: empty, blank, 4 KB long, bytes 0x80-0xFF (outside the code page, or not),
// text whose characters were replaced by '?', numbers of every size, format strings.
[[nodiscard]] std::string hostileText(Random& random);
// A colour parameter: a good colour in each accepted spelling, or a bad one (numbers where
// colours belong, out-of-range parts, broken '#' forms), or any hostile text.
[[nodiscard]] std::string colourText(Random& random);
// A mode word: the accepted words in any case and spacing, unknown words, hostile text.
[[nodiscard]] std::string modeText(Random& random);
// An on/off switch: the off words, on words, blank, hostile text.
[[nodiscard]] std::string switchText(Random& random);
// A number for a track bar's range or a value: whole, real, huge, negative, not a number.
[[nodiscard]] std::string numberText(Random& random);
// A handle number that is no window of this program: zero, negative, beyond 32 bits, words.
[[nodiscard]] std::string bogusHandleText(Random& random);

// Bytes that never occur in a script line (NUL, CR, LF) are left out of every text above.
[[nodiscard]] bool fitsOnScriptLine(const std::string& text) noexcept;

}  // namespace soak
