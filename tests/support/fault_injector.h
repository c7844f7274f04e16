#pragma once
// Makes the system calls that need resources fail, through the plug-in's system-function
// table: at random (seeded, a share of the calls) or on command. The calls that are not
// failed go on to what the table held, fakes included. One injector at a time; the table
// is put back as it was when it goes.
#include <array>
#include <cstdint>

#include "platform/system_functions.h"

namespace testing {

enum class FaultPoint : int {
    CreateSolidBrush,
    CreatePen,
    CreateCompatibleDC,
    SetWindowSubclass,
    SetTimer,
    CreateWindowEx,  // the overlays' windows
    GlobalAlloc,     // texts for the host and the exchange buffers
};
inline constexpr int kFaultPoints = 7;
[[nodiscard]] const char* faultPointName(FaultPoint point) noexcept;

// What the injector is told about the code that is running, for the record of what its
// failures hit: 0 outside any action, else the action's number.
inline constexpr int kMaxFaultContext = 16;

class FaultInjector {
public:
    FaultInjector();
    ~FaultInjector();
    FaultInjector(const FaultInjector&) = delete;
    FaultInjector& operator=(const FaultInjector&) = delete;

    // From now on each call fails with a chance of `perMille` in 1000, drawn from `seed`:
    // the same seed and the same calls fail the same calls.
    void failAtRandom(uint64_t seed, int perMille) noexcept;
    // Every call of `point` fails until told otherwise.
    void failAlways(FaultPoint point, bool fail = true) noexcept;
    // After `after` more calls that work, the next `count` calls of `point` fail; then it
    // works again.
    void failNext(FaultPoint point, int count, int after = 0) noexcept;
    // No more failures (the counts stay).
    void stop() noexcept;

    // 0 outside actions, else the number of the action that runs; returns the one before.
    int setContext(int context) noexcept;

    struct Counts {
        uint64_t calls = 0;
        uint64_t failures = 0;
        std::array<uint64_t, kMaxFaultContext + 1> failuresByContext{};
    };
    [[nodiscard]] const Counts& counts(FaultPoint point) const noexcept;
    [[nodiscard]] uint64_t totalFailures() const noexcept;

private:
    hueloom::SystemFunctions saved_;
};

} // namespace testing
