// Colour text: whatever parses formats as "R,G,B" and parses back to the same colour;
// mixing stays in range.
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "theme/color.h"

using namespace hueloom;

namespace {

bool isCanonicalRgb(const std::wstring& text) {
    int fields = 1;
    size_t digits = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L',') {
            if (digits == 0) return false;
            ++fields;
            digits = 0;
        } else if (c >= L'0' && c <= L'9') {
            if (digits == 1 && text[i - 1] == L'0') return false;  // no leading zeros
            ++digits;
        } else {
            return false;
        }
    }
    return fields == 3 && digits > 0;
}

void checkText(const std::wstring& text) {
    const ParsedColor parsed = parseColor(text);
    if (!parsed.ok) {
        FUZZ_CHECK(parsed.color == 0);
        return;
    }
    FUZZ_CHECK((parsed.color & 0xFF000000u) == 0);
    const std::wstring formatted = formatColor(parsed.color);
    FUZZ_CHECK(isCanonicalRgb(formatted));
    const ParsedColor again = parseColor(formatted);
    FUZZ_CHECK(again.ok && again.color == parsed.color);

    const Color shade = contrastShade(parsed.color);
    FUZZ_CHECK((shade & 0xFF000000u) == 0);
    const int32_t brightness = colorBrightness(parsed.color);
    FUZZ_CHECK(brightness >= 0 && brightness <= 255000);
    FUZZ_CHECK(blendColors(parsed.color, 0xFFFFFF, 0) == parsed.color);
    FUZZ_CHECK(blendColors(parsed.color, 0xFFFFFF, 100) == 0xFFFFFF);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkText(narrowFromFuzzBytes(data, size));
    checkText(wideFromFuzzBytes(data, size));
    if (size >= 12) {
        int32_t v[3];
        __builtin_memcpy(v, data, sizeof v);
        const Color mixed = blendColors(makeColor(v[0], v[1], v[2]), makeColor(v[2], v[0], v[1]), v[1] % 300);
        FUZZ_CHECK((mixed & 0xFF000000u) == 0);
    }
    return 0;
}
