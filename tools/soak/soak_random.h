#pragma once
// The soak's source of chance: SplitMix64, so that one seed gives the same script with any
// compiler and standard library (the standard distributions differ between libraries).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace soak {

class Random {
public:
    explicit Random(uint64_t seed) noexcept : state_(seed) {}

    [[nodiscard]] uint64_t next() noexcept {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from `low` to `high`, both included.
    [[nodiscard]] int between(int low, int high) noexcept {
        if (high <= low) return low;
        const auto span = static_cast<uint64_t>(static_cast<int64_t>(high) - low + 1);
        return static_cast<int>(low + static_cast<int64_t>(next() % span));
    }
    // True with the given chance in percent.
    [[nodiscard]] bool percent(int chance) noexcept { return between(1, 100) <= chance; }
    [[nodiscard]] size_t index(size_t count) noexcept {
        return count ? static_cast<size_t>(next() % count) : 0;
    }
    template <class T>
    [[nodiscard]] const T& pick(const std::vector<T>& items) noexcept {
        return items[index(items.size())];
    }
    template <class T, size_t N>
    [[nodiscard]] const T& pick(const T (&items)[N]) noexcept {
        return items[index(N)];
    }

private:
    uint64_t state_;
};

}  // namespace soak
