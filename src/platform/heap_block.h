#pragma once
// Whether an address is the start of a live block of the process heap, which is where
// GlobalAlloc puts fixed blocks. Asked before the plug-in frees a block that another party
// handed it, so that a stale or foreign pointer is never given to GlobalFree.
namespace hueloom {

// True only for the first byte of an allocated (not freed) block of the process heap.
// Never reads memory that is not committed and readable.
[[nodiscard]] bool isLiveHeapBlock(const void* address) noexcept;

// GlobalFree of `block` when it is a live heap block; anything else is left alone.
// True when the block was freed.
bool freeIfLiveHeapBlock(void* block) noexcept;

} // namespace hueloom
