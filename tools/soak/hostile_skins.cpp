#include "hostile_skins.h"

#include "hostile_values.h"

namespace soak {

using namespace std::string_literals;

namespace {

constexpr size_t kOverLimit = 4u * 1024 * 1024 + 4096;  // the plug-in reads at most 4 MB
constexpr size_t kNearLimit = 4u * 1024 * 1024 - 1024;

std::string garbage(Random& random, size_t length) {
    std::string bytes;
    bytes.reserve(length);
    while (bytes.size() < length) bytes.push_back(static_cast<char>(random.between(0, 255)));
    return bytes;
}

std::string valueLine(const char* key, const std::string& value) {
    return std::string(key) + "=" + value + "\r\n";
}

// A [Hueloom] section whose every value is drawn from the hostile ones.
std::string absurdSection(Random& random) {
    std::string text = "[Hueloom]\r\n";
    text += valueLine("Name", hostileText(random));
    text += valueLine("Mode", modeText(random));
    for (const char* key : {"ControlBack", "ControlText", "PageBack", "TitleBar", "TitleText", "Accent"})
        text += valueLine(key, colourText(random));
    text += valueLine("Glyphs", switchText(random));
    text += valueLine("ArticleText", switchText(random));
    return text;
}

std::string paddedToSize(std::string text, size_t size) {
    const std::string comment = "; " + std::string(200, 'x') + "\r\n";
    while (text.size() + comment.size() <= size) text += comment;
    text.append(size - text.size(), ';');
    return text;
}

std::string utf16Text(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes;
}

}  // namespace

std::vector<SkinFile> hostileSkins(Random& random) {
    const std::string dark = "[Hueloom]\r\nName=Plain\r\nMode=Dark\r\n";
    std::vector<SkinFile> skins;
    skins.push_back({"empty.ini", ""});
    skins.push_back({"bom-only.ini", "\xEF\xBB\xBF"});
    for (int i = 1; i <= 3; ++i)
        skins.push_back({"garbage" + std::to_string(i) + ".ini",
                         garbage(random, static_cast<size_t>(random.between(1, 65536)))});
    skins.push_back({"nul-inside.ini",
                     "[Hueloom]\r\nName=Nul\0Hidden\r\nMode=Da\0rk\r\nControlBack=#10\0"
                     "2030\r\n"s});
    skins.push_back({"over-limit.ini", paddedToSize(dark, kOverLimit)});
    skins.push_back(
        {"near-limit.ini",
         paddedToSize(dark + "[Objects]\r\nBig=" + std::string(60000, 'b') + "\r\n", kNearLimit)});
    skins.push_back({"utf16.ini", utf16Text(dark)});
    skins.push_back({"no-sections.ini", "Name=Loose\r\nMode=Dark\r\nControlBack=1,2,3\r\n"});
    for (int i = 1; i <= 3; ++i)
        skins.push_back({"absurd" + std::to_string(i) + ".ini", absurdSection(random)});
    std::string objects = dark + "[Objects]\r\n";
    for (int i = 0; i < 2000; ++i)
        objects += "Key" + std::to_string(i % 1500) + "=" + std::to_string(i) + "\r\n";
    objects += "=no name\r\n[=]\r\n" + std::string(300, 'K') + "=long name\r\nEmpty=\r\n";
    skins.push_back({"many-objects.ini", objects});
    skins.push_back({"system-mode.ini", "[Hueloom]\r\nName=Sys\r\nMode=System\r\n[Objects]\r\nSysVar=1\r\n"});
    skins.push_back(
        {"long-line.ini", "[Hueloom]\r\nName=" + std::string(200000, 'n') + "\r\nMode=Light\r\n"});
    skins.push_back({"sections-only.ini", "[Hueloom]\r\n[Objects]\r\n[Hueloom]\r\n[\r\n]\r\n[[x]]\r\n"});
    skins.push_back({"high-bytes.ini",
                     "[Hueloom]\r\nName=\xE9\xE8\x81\x8D\x90\xFF\r\nMode=Dark\r\n[Objects]\r\n"
                     "\xC4\xD6=\xFC\xDF\r\n"});
    return skins;
}

}  // namespace soak
