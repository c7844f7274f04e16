#pragma once
// Writes the soak: a script for the stand-in host that drives the plug-in's sixteen actions
// with hostile parameters among windows that come and go, then checks that the final Reset
// left no frozen window, overlay, subclass or GDI object behind. Pure: the same seed,
// action count and gallery always give the same text.
#include <cstdint>
#include <string>
#include <vector>

namespace soak {

struct SoakPlan {
    uint64_t seed = 1;
    int actions = 10000;                    // actions in the main body, at least
    std::vector<std::string> gallerySkins;  // file names in the "gallery" folder
    std::vector<std::string> hostileSkins;  // file names in the "hostile" folder
};

struct SoakScript {
    std::string text;
    int mainActions = 0;        // actions in the main body
    int subroutineActions = 0;  // actions written in the skin subroutines
};

// The skin files sit in folders beside the script: [PubDir]gallery\ and [PubDir]hostile\.
[[nodiscard]] SoakScript writeSoakScript(const SoakPlan& plan);

// Set to "1" when the warm-up is over and the probes have counted what is in use.
inline constexpr char kWarmedUpVariable[] = "[Soak.WarmedUp]";

// The sixteen actions, by number.
[[nodiscard]] const std::vector<std::string>& actionNames();

}  // namespace soak
