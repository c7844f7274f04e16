#pragma once
// Calls into the plug-in's exports. On the 32-bit build each call also checks the Windows
// API convention from outside: the export must remove its own arguments and keep EBX, ESI,
// EDI and EBP as they were. A breach is reported as a broken contract, instead of going
// unnoticed until the host's own frame falls apart somewhere later.
#include <windows.h>

#include <cstdint>
#include <string>
#include <type_traits>

namespace standin {

struct ConventionReport {
    int32_t stackMoved = 0;         // bytes the stack pointer ended away from where it belongs
    uint32_t registersChanged = 0;  // kChangedEbx | kChangedEsi | ...
};

inline constexpr uint32_t kChangedEbx = 1;
inline constexpr uint32_t kChangedEsi = 2;
inline constexpr uint32_t kChangedEdi = 4;
inline constexpr uint32_t kChangedEbp = 8;

// "moved the stack pointer by -8 bytes, changed EBX"; empty when the call kept the rules.
[[nodiscard]] std::string describeBreach(const ConventionReport& report);

#if defined(__i386__)
// Calls a WINAPI function with `count` 32-bit arguments through a thunk that checks the
// stack pointer and the callee-saved registers afterwards (and puts them right again).
// False, without a call, when calls are nested too deeply to be checked.
[[nodiscard]] bool callCheckingConvention(const void* entry, int count, const int32_t* arguments,
                                          int32_t& result, ConventionReport& report) noexcept;

template <class T>
int32_t asWord(T value) noexcept {
    if constexpr (std::is_pointer_v<T>)
        return static_cast<int32_t>(reinterpret_cast<intptr_t>(value));
    else
        return static_cast<int32_t>(value);
}
#endif

// Reports a breach by the export `what` as a broken contract of the plug-in.
void reportBreach(const char* what, const ConventionReport& report);

// Validates the whole process heap around every call into the plug-in, so that a free of a
// block the host still owns, or of something that is no block, is reported at the call that
// did it rather than as a crash much later. A heap found damaged before a call was damaged
// by the host itself or by a callback of the previous call, and is reported as such.
class HeapCheck {
public:
    explicit HeapCheck(const char* what) noexcept;
    ~HeapCheck();
    HeapCheck(const HeapCheck&) = delete;
    HeapCheck& operator=(const HeapCheck&) = delete;

private:
    const char* what_;
    bool validBefore_;
};

template <class... Args>
int32_t callPlugin(const char* what, int32_t(WINAPI* entry)(Args...), std::type_identity_t<Args>... args) {
    const HeapCheck heapCheck(what);
#if defined(__i386__)
    static_assert(((sizeof(Args) == 4) && ...), "every argument is one 32-bit word");
    const int32_t words[] = {asWord(args)..., 0};
    int32_t result = 0;
    ConventionReport report;
    if (!callCheckingConvention(reinterpret_cast<const void*>(entry), static_cast<int>(sizeof...(Args)),
                                words, result, report))
        return entry(args...);
    reportBreach(what, report);
    return result;
#else
    (void)what;
    return entry(args...);
#endif
}

}  // namespace standin
