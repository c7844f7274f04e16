#pragma once
// What the process holds on its heaps: the memory probe beside the GDI one.
#include <cstddef>

namespace standin {

struct HeapUse {
    size_t blocks = 0;  // allocated blocks
    size_t bytes = 0;   // their sizes added up
};

// Every heap of the process, walked block by block while locked. Comparing two counts
// taken at the same point of a repeated cycle shows memory that is never given back.
[[nodiscard]] HeapUse processHeapUse() noexcept;

}  // namespace standin
