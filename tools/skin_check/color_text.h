#pragma once
// How a colour text is read, in enough detail to tell an author why a value gives the
// colour it gives. Whether a text is a colour, and which, is always parseColor's answer.
#include <string>
#include <string_view>

#include "theme/color.h"

namespace hueloom::skincheck {

enum class ColorForm {
    Empty,        // blank: the caller's default stays
    HexDigits,    // six hexadecimal digits, "#RRGGBB" or "RRGGBB"
    Components,   // "R,G,B"
    PlainNumber,  // decimal digits: the colour value itself, so 255 is red
    Name,         // one of the colour names
    Rejected,     // not a colour
};

struct ColorReading {
    ParsedColor parsed;
    ColorForm form = ColorForm::Empty;
    bool hash = false;              // written with a leading "#"
    bool digitsOnly = false;        // HexDigits without a letter: an author may have meant a number
    bool unusualComponents = false; // Components with a field that is no plain number 0..255
};

[[nodiscard]] ColorReading readColorText(std::wstring_view text);

// A rejected text that an author most likely meant as a colour: "#12345G", "0xFF0000",
// "rgb(1,2,3)", "10,20".
[[nodiscard]] bool looksLikeColorAttempt(std::wstring_view text);

// How to write a rejected or misread colour so that it reads as meant; empty when there
// is nothing specific to say.
[[nodiscard]] std::wstring colorHint(std::wstring_view text);

} // namespace hueloom::skincheck
