#include "platform/memory_policy.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstring>
#include <memory>

namespace kelvara {
namespace {

long minor_faults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// The blocks of one animation (a board, the picture before it, their copies), freed and
// asked for again, come back without the system supplying their pages afresh: each page
// would cost a fault.
TEST(MemoryPolicy, FreedPictureBlocksAreReusedWithoutFaults) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizer's allocator keeps its own policy";
#endif
    keep_freed_memory_for_reuse();
    constexpr std::size_t kSize = 780 * 990 * 4;  // the largest board
    const auto use_blocks = [] {
        std::unique_ptr<unsigned char[]> blocks[3];
        for (auto& block : blocks) {
            block = std::make_unique<unsigned char[]>(kSize);
            std::memset(block.get(), 1, kSize);
        }
        return blocks[2][kSize - 1];
    };
    for (int round = 0; round < 2; ++round) EXPECT_EQ(use_blocks(), 1);  // the heap may grow
    const long before = minor_faults();
    EXPECT_EQ(use_blocks(), 1);
    EXPECT_LT(minor_faults() - before, 16) << "the blocks' " << 3 * kSize / 4096 << " pages were faulted in again";
}

}  // namespace
}  // namespace kelvara
