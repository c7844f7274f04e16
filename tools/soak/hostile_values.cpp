#include "hostile_values.h"

namespace soak {

namespace {

constexpr size_t kLongText = 4096;

std::string bytesFrom(Random& random, size_t length, int low, int high) {
    std::string text;
    text.reserve(length);
    while (text.size() < length) text.push_back(static_cast<char>(random.between(low, high)));
    return text;
}

// Printable ASCII with some bytes from the upper half; never NUL, CR or LF.
std::string mixedBytes(Random& random, size_t length) {
    std::string text;
    text.reserve(length);
    while (text.size() < length)
        text.push_back(
            static_cast<char>(random.percent(20) ? random.between(0x80, 0xFF) : random.between(0x20, 0x7E)));
    return text;
}

}  // namespace

bool fitsOnScriptLine(const std::string& text) noexcept {
    for (char c : text)
        if (c == '\0' || c == '\r' || c == '\n') return false;
    return true;
}

// GCC 12 falsely reports an overlapping copy (-Wrestrict) for a literal + a temporary std::string.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
std::string hostileText(Random& random) {
    switch (random.between(0, 13)) {
        case 0:
            return "";
        case 1:
            return std::string(static_cast<size_t>(random.between(1, 8)), ' ');
        case 2:
            return mixedBytes(random, kLongText);
        case 3:
            return std::string(kLongText, static_cast<char>(random.between(0x21, 0x7E)));
        case 4:
            return bytesFrom(random, static_cast<size_t>(random.between(1, 40)), 0x80, 0xFF);
        case 5:
            return "????? ??? ??";  // what a conversion leaves of text outside the code page
        case 6:
            return random.pick({"0", "-1", "2147483647", "2147483648", "-2147483649", "4294967296",
                                "99999999999999999999999999", "1e308", "-1e-308", "NaN", "inf"});
        case 7:
            return random.pick({"%s%s%s%n", "%x%x%x", "{0}", "$(x)", "\\\\.\\NUL", "..\\..\\..\\", "\t", "[",
                                "]", "[[[", "\"", "''", "\\"});
        case 8:
            return mixedBytes(random, static_cast<size_t>(random.between(1, 300)));
        case 9:
            return " " + mixedBytes(random, 10) + " ";
        case 10:
            return std::string(260, 'N') + "]";
        case 11:
            return bytesFrom(random, 3, 0xC0, 0xFF) + "?" + bytesFrom(random, 3, 0x80, 0xBF);
        case 12:
            return random.pick({"Dark", "Light", "System", "On", "Off", "True", "False", "Medium"});
        default:
            return mixedBytes(random, static_cast<size_t>(random.between(1, 12)));
    }
}
#pragma GCC diagnostic pop

std::string colourText(Random& random) {
    switch (random.between(0, 7)) {
        case 0:
        case 1:
            return random.pick({"#102030", "#FFFFFF", "#000000", "10,20,30", " 255 , 0 , 128 ", "red",
                                "Black", "#1B1F2A", "0,0,0", "240,240,240"});
        case 2:
            return "";
        case 3:  // numbers where colours belong
            return random.pick({"12345678", "0", "-1", "16777215", "16777216", "4294967295", "255",
                                "-2147483648", "0x00FF00", "1.5"});
        case 4:
            return random.pick({"256,0,0", "-1,-1,-1", "1,2", "1,2,3,4", ",,", "#GGGGGG", "#12345",
                                "#1234567", "#", "rgb(1,2,3)", "255,255,255,", "1 2 3", "#-12345"});
        default:
            return hostileText(random);
    }
}

std::string modeText(Random& random) {
    switch (random.between(0, 4)) {
        case 0:
        case 1:
            return random.pick(
                {"Dark", "dark", " LIGHT ", "Light", "System", "1", "2", "0", "default", "none", "Auto", " auto "});
        case 2:
            return random.pick({"", "Blue", "darker", "3", "-1", "Dark Light"});
        default:
            return hostileText(random);
    }
}

std::string switchText(Random& random) {
    switch (random.between(0, 3)) {
        case 0:
            return random.pick({"off", " OFF ", "0", "false", "False"});
        case 1:
            return random.pick({"on", "1", "yes", "no", "true", ""});
        default:
            return hostileText(random);
    }
}

std::string numberText(Random& random) {
    switch (random.between(0, 3)) {
        case 0:
            return std::to_string(random.between(-100, 200));
        case 1:
            return random.pick({"0.5", "-0.0", "1e308", "-1e308", "1e-320", "NaN", "inf", "-inf", "", "50%"});
        default:
            return hostileText(random);
    }
}

std::string bogusHandleText(Random& random) {
    return random.pick({"0", "-1", "1", "4294967295", "4294967296", "18446744073709551615",
                        "-9223372036854775808", "65535", "0x10", "abc", "", " 12 ", "1e3"});
}

}  // namespace soak
