#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "bench.h"
#include "plugin/lifecycle.h"

namespace {

uint64_t g_allocations = 0;

struct Registered {
    const char* name;
    bench::BenchmarkFunction run;
};

std::vector<Registered>& registry() {
    static std::vector<Registered> benchmarks;
    return benchmarks;
}

} // namespace

// Counting every allocation of the program, the plug-in's code included (linked statically).
void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace bench {

bool registerBenchmark(const char* name, BenchmarkFunction run) {
    registry().push_back({name, run});
    return true;
}

double nowUs() {
    static const double ticksPerUs = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerUs;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

uint64_t allocationCount() { return g_allocations; }

void drainMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace bench

// engine_bench [name filter] [--sizes=100,1000] [--rounds=N]
int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
    hueloom::pluginStartup();

    bench::Options options;
    std::string filter;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--sizes=", 0) == 0) {
            options.sizes.clear();
            for (const char* p = arg.c_str() + 8; *p;) {
                options.sizes.push_back(std::atoi(p));
                while (*p && *p != ',') ++p;
                if (*p == ',') ++p;
            }
        } else if (arg.rfind("--rounds=", 0) == 0) {
            options.rounds = std::max(1, std::atoi(arg.c_str() + 9));
        } else {
            filter = arg;
        }
    }
    for (const Registered& benchmark : registry()) {
        if (!filter.empty() && std::string(benchmark.name).find(filter) == std::string::npos) continue;
        std::printf("== %s\n", benchmark.name);
        std::fflush(stdout);
        benchmark.run(options);
    }
    return 0;
}
