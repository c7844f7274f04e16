#include "support/fault_injector.h"

namespace testing {

namespace {

struct InjectorState {
    hueloom::SystemFunctions forward;  // what the wrappers call when they do not fail
    uint64_t random = 0;
    int perMille = 0;
    std::array<bool, kFaultPoints> always{};
    std::array<int, kFaultPoints> spared{};  // calls that work before the next ones fail
    std::array<int, kFaultPoints> next{};
    int context = 0;
    std::array<FaultInjector::Counts, kFaultPoints> counts{};
};

InjectorState g_state;

// SplitMix64: the same seed gives the same draws with every compiler.
uint64_t nextRandom() noexcept {
    uint64_t z = (g_state.random += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Counts the call and decides whether it fails; a failure sets the error Windows gives
// when it runs short.
bool fails(FaultPoint point) noexcept {
    const auto index = static_cast<size_t>(point);
    FaultInjector::Counts& counts = g_state.counts[index];
    ++counts.calls;
    bool fail = g_state.always[index];
    if (!fail && g_state.next[index] > 0) {
        if (g_state.spared[index] > 0) {
            --g_state.spared[index];
        } else {
            --g_state.next[index];
            fail = true;
        }
    }
    if (!fail && g_state.perMille > 0) fail = nextRandom() % 1000 < static_cast<uint64_t>(g_state.perMille);
    if (!fail) return false;
    ++counts.failures;
    ++counts.failuresByContext[static_cast<size_t>(g_state.context)];
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return true;
}

HBRUSH WINAPI createSolidBrush(COLORREF color) {
    if (fails(FaultPoint::CreateSolidBrush)) return nullptr;
    return g_state.forward.resources.createSolidBrush(color);
}

HPEN WINAPI createPen(int style, int width, COLORREF color) {
    if (fails(FaultPoint::CreatePen)) return nullptr;
    return g_state.forward.resources.createPen(style, width, color);
}

HDC WINAPI createCompatibleDC(HDC dc) {
    if (fails(FaultPoint::CreateCompatibleDC)) return nullptr;
    return g_state.forward.resources.createCompatibleDC(dc);
}

UINT_PTR WINAPI setTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure) {
    if (fails(FaultPoint::SetTimer)) return 0;
    return g_state.forward.resources.setTimer(window, id, period, procedure);
}

HWND WINAPI createWindowEx(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                           LPVOID parameter) {
    if (fails(FaultPoint::CreateWindowEx)) return nullptr;
    return g_state.forward.resources.createWindowExW(exStyle, className, title, style, x, y, width, height,
                                                     parent, menu, instance, parameter);
}

HGLOBAL WINAPI globalAlloc(UINT flags, SIZE_T bytes) {
    if (fails(FaultPoint::GlobalAlloc)) return nullptr;
    return g_state.forward.resources.globalAlloc(flags, bytes);
}

BOOL WINAPI setWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    if (fails(FaultPoint::SetWindowSubclass)) return FALSE;
    return g_state.forward.setWindowSubclass(window, procedure, id, data);
}

} // namespace

const char* faultPointName(FaultPoint point) noexcept {
    switch (point) {
    case FaultPoint::CreateSolidBrush: return "CreateSolidBrush";
    case FaultPoint::CreatePen: return "CreatePen";
    case FaultPoint::CreateCompatibleDC: return "CreateCompatibleDC";
    case FaultPoint::SetWindowSubclass: return "SetWindowSubclass";
    case FaultPoint::SetTimer: return "SetTimer";
    case FaultPoint::CreateWindowEx: return "CreateWindowEx";
    case FaultPoint::GlobalAlloc: return "GlobalAlloc";
    }
    return "?";
}

FaultInjector::FaultInjector() {
    // Loaded first, or a later load would put the real functions back over the wrappers.
    hueloom::loadSystemFunctions();
    hueloom::SystemFunctions& table = hueloom::systemFunctions();
    saved_ = table;
    g_state = InjectorState{};
    g_state.forward = table;
    table.resources.createSolidBrush = createSolidBrush;
    table.resources.createPen = createPen;
    table.resources.createCompatibleDC = createCompatibleDC;
    table.resources.setTimer = setTimer;
    table.resources.createWindowExW = createWindowEx;
    table.resources.globalAlloc = globalAlloc;
    if (table.setWindowSubclass) table.setWindowSubclass = setWindowSubclass;
}

FaultInjector::~FaultInjector() {
    hueloom::systemFunctions() = saved_;
}

void FaultInjector::failAtRandom(uint64_t seed, int perMille) noexcept {
    g_state.random = seed;
    g_state.perMille = perMille;
}

void FaultInjector::failAlways(FaultPoint point, bool fail) noexcept {
    g_state.always[static_cast<size_t>(point)] = fail;
}

void FaultInjector::failNext(FaultPoint point, int count, int after) noexcept {
    g_state.spared[static_cast<size_t>(point)] = after;
    g_state.next[static_cast<size_t>(point)] = count;
}

void FaultInjector::stop() noexcept {
    g_state.perMille = 0;
    g_state.always = {};
    g_state.spared = {};
    g_state.next = {};
}

int FaultInjector::setContext(int context) noexcept {
    const int previous = g_state.context;
    g_state.context = context >= 0 && context <= kMaxFaultContext ? context : 0;
    return previous;
}

const FaultInjector::Counts& FaultInjector::counts(FaultPoint point) const noexcept {
    return g_state.counts[static_cast<size_t>(point)];
}

uint64_t FaultInjector::totalFailures() const noexcept {
    uint64_t total = 0;
    for (const Counts& counts : g_state.counts) total += counts.failures;
    return total;
}

} // namespace testing
