#pragma once
// Hands runs of pictures to the threads that make them, in order, and writes the runs
// made in that order: whichever thread finishes a run writes every run that is then
// ready, one thread at a time, so no thread waits for a writer. A run is handed out only
// while fewer than `window` runs wait to be written, so memory stays bounded whatever
// the length of the game.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace kelvara {

class RunQueue {
public:
    // Writes one run's blocks; false when they could not be written.
    using Writer = std::function<bool(std::size_t run, std::span<const std::uint8_t> blocks)>;

    RunQueue(std::size_t runs, std::size_t window, Writer writer);

    // The next run to make; waits while the window is full. None when every run has been
    // handed out or a run could not be made or written.
    std::optional<std::size_t> take();
    // A run made (ok), with its blocks, then writes what is ready; or a run given up,
    // which fails the queue. False once any run was given up or could not be written.
    bool finish(std::size_t run, std::vector<std::uint8_t> blocks, bool ok);
    // Every run was made and written.
    bool complete();

private:
    struct Made {
        bool finished = false;
        std::vector<std::uint8_t> blocks;
    };
    bool window_full() const { return next_take_ >= written_ + window_; }
    bool write_ready();
    void fail();

    const std::size_t runs_;
    const std::size_t window_;
    const Writer writer_;
    std::mutex writing_;  // held by the one thread that writes
    std::mutex mutex_;
    std::condition_variable room_;  // the window has room, or the queue failed
    std::size_t next_take_ = 0;
    std::size_t written_ = 0;
    std::deque<Made> waiting_;  // runs written_ .. next_take_ - 1
    bool failed_ = false;
};

}  // namespace kelvara
