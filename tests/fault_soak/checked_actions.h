#pragma once
// The plug-in's eight entry points as the host adopts them, with nbExecAction checked after
// every call: an answer of "OK" must mean that the action happened, whatever the injector
// made fail meanwhile.
#include <string>
#include <vector>

#include "plugin_api.h"
#include "support/fault_injector.h"

namespace fault_soak {

// The entry points of the plug-in linked into this program. Failures are counted against
// the action that runs when the injector makes them.
[[nodiscard]] standin::EntryPoints checkedEntryPoints(testing::FaultInjector& injector);

// Failures start with the first action after the soak's warm-up, so that the probes count
// from caches that the warm-up filled without failures, as they do at the end.
void failAfterWarmUp(uint64_t seed, int perMille);

// What the checks found: one line per answer of "OK" that did not happen.
[[nodiscard]] const std::vector<std::string>& falseAnswers();
struct ActionTally {
    int checked = 0;
    int metFailures = 0;      // actions during which at least one call failed
    int answeredFailure = 0;  // of those, the ones that answered a failure
};
[[nodiscard]] const ActionTally& actionTally();

// What the plug-in still holds after the final Reset and host message 2; empty when nothing.
[[nodiscard]] std::vector<std::string> leftovers();

} // namespace fault_soak
