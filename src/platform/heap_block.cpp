#include "platform/heap_block.h"

#include <windows.h>

#include <cstdint>

namespace hueloom {

namespace {

// Heap blocks start on this boundary on every Windows build and under Wine (8 bytes on
// 32-bit, 16 on 64-bit); anything else cannot be the start of one.
constexpr uintptr_t kHeapAlignment = 2 * sizeof(void*);

bool isReadableCommitted(const void* address) noexcept {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(address, &info, sizeof info) == 0) return false;
    if (info.State != MEM_COMMIT) return false;
    if (info.Protect & (PAGE_NOACCESS | PAGE_GUARD)) return false;
    return true;
}

} // namespace

bool isLiveHeapBlock(const void* address) noexcept {
    const auto value = reinterpret_cast<uintptr_t>(address);
    // The first 64 KB of the address space are never mapped.
    if (value < 0x10000 || value % kHeapAlignment != 0) return false;
    if (!isReadableCommitted(address)) return false;
    // Validating one block looks up its heap region first and reads only inside it.
    return HeapValidate(GetProcessHeap(), 0, address) != FALSE;
}

bool freeIfLiveHeapBlock(void* block) noexcept {
    if (!isLiveHeapBlock(block)) return false;
    return GlobalFree(block) == nullptr;
}

} // namespace hueloom
