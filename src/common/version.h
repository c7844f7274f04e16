#pragma once
// The plug-in's version, the one place it is written. The C++ code, the resource
// compiler, CMake and the release script all read it from here, so a release changes
// these four lines and nothing else. Plain macros only: the resource compiler reads this
// file too.
#define HUELOOM_VERSION_MAJOR 1
#define HUELOOM_VERSION_MINOR 5
#define HUELOOM_VERSION_PATCH 0
#define HUELOOM_VERSION_TEXT "1.5.0"

#if defined(__cplusplus) && !defined(RC_INVOKED)
namespace hueloom::version_detail {

// The text must spell the three numbers, or the reported version and the file version
// of the DLL would differ.
constexpr bool spells(const char* text, int major, int minor, int patch) {
    const int numbers[] = {major, minor, patch};
    for (int part = 0; part < 3; ++part) {
        if (*text < '0' || *text > '9') return false;
        int value = 0;
        while (*text >= '0' && *text <= '9') value = value * 10 + (*text++ - '0');
        if (value != numbers[part]) return false;
        if (part < 2 && *text++ != '.') return false;
    }
    return *text == '\0';
}

static_assert(spells(HUELOOM_VERSION_TEXT, HUELOOM_VERSION_MAJOR, HUELOOM_VERSION_MINOR, HUELOOM_VERSION_PATCH),
              "HUELOOM_VERSION_TEXT does not match the version numbers");

} // namespace hueloom::version_detail

namespace hueloom {

inline constexpr wchar_t kPluginVersion[] = L"" HUELOOM_VERSION_TEXT;

} // namespace hueloom
#endif
