#pragma once
// The plug-in's version, written here and nowhere else: CMake reads the numbers from this
// file for the project version, the release scripts read the text, and the plug-in shows
// it in its hint and in [Skin.Version].
#define HUELOOM_VERSION_MAJOR 1
#define HUELOOM_VERSION_MINOR 4
#define HUELOOM_VERSION_PATCH 3

#define HUELOOM_STRINGIZE(x) #x
#define HUELOOM_TEXT_OF(x) HUELOOM_STRINGIZE(x)
// "1.4.3"
#define HUELOOM_VERSION_TEXT                                                               \
    HUELOOM_TEXT_OF(HUELOOM_VERSION_MAJOR) "." HUELOOM_TEXT_OF(HUELOOM_VERSION_MINOR) "."  \
        HUELOOM_TEXT_OF(HUELOOM_VERSION_PATCH)

#define HUELOOM_WIDEN_TEXT(text) L"" text
#define HUELOOM_WIDE(text) HUELOOM_WIDEN_TEXT(text)

namespace hueloom {

inline constexpr wchar_t kPluginVersion[] = HUELOOM_WIDE(HUELOOM_VERSION_TEXT);

} // namespace hueloom
