#pragma once
// A small benchmark harness: each source file registers its benchmarks, the program runs
// them (all, or those whose name contains the first argument) and prints the figures.
//
//   void runMyBenchmark(const bench::Options& options) { ... }
//   HUELOOM_BENCHMARK("my figures", runMyBenchmark)
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct Options {
    std::vector<int> sizes{100, 1000, 5000};  // publication sizes in controls
    int rounds = 7;                           // alternating rounds per figure
};

using BenchmarkFunction = void (*)(const Options&);
bool registerBenchmark(const char* name, BenchmarkFunction run);

// Microseconds of the performance counter.
[[nodiscard]] double nowUs();
[[nodiscard]] double median(std::vector<double> values);
// Number of operator new calls in the whole program so far.
[[nodiscard]] uint64_t allocationCount();

// Runs the thread's queued messages (paints, timers) without waiting.
void drainMessages();

} // namespace bench

#define HUELOOM_BENCHMARK_JOIN2(a, b) a##b
#define HUELOOM_BENCHMARK_JOIN(a, b) HUELOOM_BENCHMARK_JOIN2(a, b)
#define HUELOOM_BENCHMARK(name, function)                                                     \
    static const bool HUELOOM_BENCHMARK_JOIN(benchmarkRegistered_, __LINE__) =                \
        bench::registerBenchmark(name, function);
