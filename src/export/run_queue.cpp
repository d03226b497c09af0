#include "export/run_queue.h"

#include <algorithm>

namespace kelvara {

RunQueue::RunQueue(std::size_t runs, std::size_t window, Writer writer)
    : runs_(runs), window_(std::max<std::size_t>(window, 1)), writer_(std::move(writer)) {}

std::optional<std::size_t> RunQueue::take() {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [this] { return failed_ || next_take_ == runs_ || !window_full(); });
    if (failed_ || next_take_ == runs_) return std::nullopt;
    waiting_.emplace_back();
    return next_take_++;
}

bool RunQueue::finish(std::size_t run, std::vector<std::uint8_t> blocks, bool ok) {
    if (!ok) {  // the file cannot be complete: nothing more need be made or written
        fail();
        return false;
    }
    {
        const std::lock_guard lock(mutex_);
        if (run < written_ || run >= next_take_) return !failed_;
        Made& made = waiting_[run - written_];
        made.finished = true;
        made.blocks = std::move(blocks);
    }
    return write_ready();
}

// Blocks are written with only the writing lock held, so that other threads can take
// and finish runs meanwhile; a thread that finishes a run while another writes waits
// its turn and then writes whatever the other left.
bool RunQueue::write_ready() {
    const std::lock_guard writing(writing_);
    for (;;) {
        std::span<const std::uint8_t> blocks;
        std::size_t run = 0;
        {
            const std::lock_guard lock(mutex_);
            if (failed_) return false;
            if (waiting_.empty() || !waiting_.front().finished) return true;
            blocks = waiting_.front().blocks;  // the front stays in place while it is written
            run = written_;
        }
        if (!writer_(run, blocks)) break;
        {
            const std::lock_guard lock(mutex_);
            waiting_.pop_front();
            ++written_;
        }
        room_.notify_all();
    }
    fail();
    return false;
}

void RunQueue::fail() {
    {
        const std::lock_guard lock(mutex_);
        failed_ = true;
    }
    room_.notify_all();
}

bool RunQueue::complete() {
    const std::lock_guard lock(mutex_);
    return !failed_ && written_ == runs_;
}

}  // namespace kelvara
