#pragma once
#include <cstdint>

namespace hueloom {

struct ActionInfo {
    int32_t number;
    const wchar_t* name;
    int32_t parameterCount;
    const wchar_t* hint;
};

inline constexpr int32_t kActionCount = 16;
extern const ActionInfo kActionTable[kActionCount];

// Registers the sixteen actions with the host's callback, in table order.
void registerActions();

} // namespace hueloom
