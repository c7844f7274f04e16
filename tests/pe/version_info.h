#pragma once
// Reads a version resource (VS_VERSIONINFO) as Windows lays it out: the fixed file and
// product versions and the texts of its string tables. Pure.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace hueloom::pe {

struct VersionInfo {
    std::optional<std::string> fileVersion;     // fixed part, "1.4.3.0"; empty without it
    std::optional<std::string> productVersion;
    std::map<std::string, std::string> texts;   // "FileVersion" -> "1.4.3", from every table
};

[[nodiscard]] VersionInfo readVersionInfo(const std::vector<unsigned char>& resource);

} // namespace hueloom::pe
