#pragma once
// Encodes the pictures of one GIF on several threads and hands their blocks to the
// writer in the order the pictures came. Once a picture's rectangle is known its LZW data
// depends on nothing else, so helper threads encode while the caller makes the next
// pictures; when too many wait, the caller encodes too. At most a few pictures are held
// at a time, whatever the length of the game. With one thread everything happens in the
// caller, picture by picture.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "export/picture_delta.h"
#include "platform/gif_writer.h"
#include "platform/lzw_encoder.h"

namespace kelvara {

class PictureEncoder {
public:
    // threads: 1 or more, the caller's own included.
    PictureEncoder(GifWriter& writer, int threads);
    ~PictureEncoder();
    PictureEncoder(const PictureEncoder&) = delete;
    PictureEncoder& operator=(const PictureEncoder&) = delete;

    // False once a picture could not be written; later pictures are then dropped.
    bool add(IndexedPicture picture, int delay);
    // Waits for every picture and writes the rest. False when any picture failed.
    bool finish();

private:
    struct Job {
        Job(IndexedPicture p, int d) : picture(std::move(p)), delay(d) {}
        IndexedPicture picture;
        int delay;
        std::vector<std::uint8_t> blocks;
        enum class State { Waiting, Encoding, Encoded } state = State::Waiting;
        bool encoded = false;  // encode_gif_picture took it
    };

    static void encode(Job& job, LzwEncoder& encoder);
    bool write(const Job& job);
    // Writes the encoded jobs at the front; while more than keep are held, encodes
    // waiting jobs here or waits for the helpers.
    bool drain(std::size_t keep);
    // With the lock held: the oldest waiting job, now marked as being encoded; null when
    // none waits.
    Job* take_waiting();
    // Encodes a taken job with the lock released, then marks it encoded.
    void encode_taken(Job& job, LzwEncoder& encoder, std::unique_lock<std::mutex>& lock);
    void help();

    GifWriter& writer_;
    LzwEncoder encoder_;  // the caller's
    std::size_t in_flight_;
    bool failed_ = false;

    std::mutex mutex_;
    std::condition_variable work_;  // a job waits, or the helpers are to stop
    std::condition_variable done_;  // a helper finished a job
    std::deque<Job> jobs_;          // in picture order; references stay valid at both ends
    bool stopping_ = false;
    std::vector<std::thread> helpers_;
};

}  // namespace kelvara
