// Number reading never overflows into undefined behaviour (the sanitizer would stop it),
// and reads what it is given.
#include <cmath>
#include <cstdint>
#include <string>

#include "common/text.h"
#include "fuzz_input.h"
#include "theme/color.h"

using namespace hueloom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring text = narrowFromFuzzBytes(data, size);
    const int64_t integer = readInteger(text);
    (void)readInteger(wideFromFuzzBytes(data, size));
    const double real = readReal(text);
    (void)readReal(wideFromFuzzBytes(data, size));

    // A plain decimal of at most 18 digits reads back exactly.
    if (size > 0 && size <= 18) {
        bool digitsOnly = true;
        for (size_t i = 0; i < size; ++i) digitsOnly = digitsOnly && data[i] >= '0' && data[i] <= '9';
        if (digitsOnly) {
            int64_t expected = 0;
            for (size_t i = 0; i < size; ++i) expected = expected * 10 + (data[i] - '0');
            FUZZ_CHECK(integer == expected);
            FUZZ_CHECK(real == static_cast<double>(expected) || std::fabs(real - double(expected)) <= 1e-3 * double(expected));
            FUZZ_CHECK(decimalText(integer) == std::wstring(text.begin() + (text.find_first_not_of(L'0') == std::wstring::npos ? text.size() - 1 : text.find_first_not_of(L'0')), text.end()));
        }
    }
    return 0;
}
