#include "export/run_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace kelvara {
namespace {

std::vector<std::uint8_t> bytes(std::size_t run) { return {static_cast<std::uint8_t>(run)}; }

// Runs finished out of order are written in order, each once, by whichever thread
// finished the run that completed a sequence.
TEST(RunQueue, WritesRunsInOrderWhateverOrderTheyFinish) {
    std::vector<std::size_t> written;
    RunQueue queue(4, 4, [&](std::size_t run, std::span<const std::uint8_t> b) {
        EXPECT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0], run);
        written.push_back(run);
        return true;
    });
    for (std::size_t run = 0; run < 4; ++run) EXPECT_EQ(queue.take(), run);
    EXPECT_EQ(queue.take(), std::nullopt);  // all handed out
    EXPECT_TRUE(queue.finish(2, bytes(2), true));
    EXPECT_TRUE(queue.finish(1, bytes(1), true));
    EXPECT_TRUE(written.empty());  // run 0 is still being made
    EXPECT_FALSE(queue.complete());
    EXPECT_TRUE(queue.finish(0, bytes(0), true));
    EXPECT_EQ(written, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_TRUE(queue.finish(3, bytes(3), true));
    EXPECT_TRUE(queue.complete());
}

// No more runs than the window are handed out ahead of the writer: a thread asking for
// more waits until the oldest is written.
TEST(RunQueue, HandsOutNoMoreThanTheWindowAheadOfTheWriter) {
    RunQueue queue(5, 2, [](std::size_t, std::span<const std::uint8_t>) { return true; });
    EXPECT_EQ(queue.take(), 0u);
    EXPECT_EQ(queue.take(), 1u);
    std::atomic<bool> taken{false};
    std::thread waiter([&] {
        EXPECT_EQ(queue.take(), 2u);
        taken = true;
    });
    EXPECT_TRUE(queue.finish(1, bytes(1), true));  // not writable before run 0
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(taken);
    EXPECT_TRUE(queue.finish(0, bytes(0), true));
    waiter.join();
    EXPECT_TRUE(taken);
}

// A run given up, or one the writer cannot write, fails the queue: nothing after it is
// written, a thread waiting for room is released and no more runs are handed out.
TEST(RunQueue, AFailedRunStopsTheWritingAndReleasesTheThreads) {
    for (const bool write_fails : {false, true}) {
        std::vector<std::size_t> written;
        RunQueue queue(6, 2, [&](std::size_t run, std::span<const std::uint8_t>) {
            if (write_fails) return false;
            written.push_back(run);
            return true;
        });
        EXPECT_EQ(queue.take(), 0u);
        EXPECT_EQ(queue.take(), 1u);
        std::thread waiter([&] { EXPECT_EQ(queue.take(), std::nullopt); });  // the window is full
        if (write_fails)
            EXPECT_FALSE(queue.finish(0, bytes(0), true));
        else
            EXPECT_FALSE(queue.finish(1, bytes(1), false));
        waiter.join();
        EXPECT_TRUE(written.empty());
        EXPECT_FALSE(queue.finish(write_fails ? 1 : 0, bytes(0), true));
        EXPECT_TRUE(written.empty());
        EXPECT_EQ(queue.take(), std::nullopt);
        EXPECT_FALSE(queue.complete());
    }
}

}  // namespace
}  // namespace kelvara
