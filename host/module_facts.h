#pragma once
// What the host reads from the plug-in's file rather than through its exports: the name
// it was loaded under, its version resource, and the icon the authoring tool shows beside
// the plug-in's actions.
#include <windows.h>

#include <cstdint>
#include <string>

#include "variables.h"

namespace standin {

struct ModuleFacts {
    std::string fileName;         // as loaded: "Hueloom.nbp"
    std::string fileVersion;      // the fixed file version: "1.4.3"
    std::string fileVersionText;  // the FileVersion string of the version resource
    std::string icon;             // "32x32" when the first icon group has an image of that size
};

[[nodiscard]] ModuleFacts readModuleFacts(HMODULE module);

// "1.4.3" from the two halves of a fixed file version; the fourth part only when it is
// not 0, since the plug-in reports three.
[[nodiscard]] std::string fixedVersionText(uint32_t mostSignificant, uint32_t leastSignificant);

// [Host.PluginFile], [Host.FileVersion], [Host.FileVersionText] and [Host.Icon].
void exposeModuleFacts(const ModuleFacts& facts, VariableStore& variables);

}  // namespace standin
