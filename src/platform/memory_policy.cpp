#include "platform/memory_policy.h"

#include <cstdlib>  // defines __GLIBC__ on glibc systems

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kelvara {

namespace {

// Blocks below this come from the heap rather than a mapping of their own (glibc's
// largest allowed value on 64-bit systems), and the heap is trimmed only when this much
// lies free at its top.
constexpr int kMappedBlockSize = 32 << 20;
constexpr int kTrimSize = 64 << 20;

}  // namespace

void keep_freed_memory_for_reuse() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kMappedBlockSize);
    mallopt(M_TRIM_THRESHOLD, kTrimSize);
#endif
}

}  // namespace kelvara
