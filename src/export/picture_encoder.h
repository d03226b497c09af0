#pragma once
// Encodes the pictures of one GIF on several threads and hands their blocks to the
// writer in the order the pictures came. Once a picture's changed pixels are known, its
// palette indices and LZW data depend on nothing else, so helper threads map and encode
// while the caller makes the next pictures; when too many wait, the caller encodes too.
// At most a few pictures are held at a time, whatever the length of the game. With one
// thread everything happens in the caller, picture by picture.

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
    // threads: 1 or more, the caller's own included. palette must outlive the encoder.
    PictureEncoder(GifWriter& writer, const Palette& palette, int threads);
    ~PictureEncoder();
    PictureEncoder(const PictureEncoder&) = delete;
    PictureEncoder& operator=(const PictureEncoder&) = delete;

    // A picture mapped already, or a change still to map. False once a picture could not
    // be written; later pictures are then dropped.
    bool add(IndexedPicture picture, int delay);
    bool add(PictureChange change, int delay);
    // Waits for every picture and writes the rest. False when any picture failed.
    bool finish();

private:
    struct Job {
        Job(IndexedPicture p, PictureChange c, bool m, int d)
            : picture(std::move(p)), change(std::move(c)), mapped(m), delay(d) {}
        IndexedPicture picture;
        PictureChange change;  // until mapped
        bool mapped;
        int delay;
        std::vector<std::uint8_t> blocks;
        enum class State { Waiting, Encoding, Encoded } state = State::Waiting;
        bool encoded = false;  // encode_gif_picture took it
    };
    // What each thread maps and encodes with.
    struct Tools {
        explicit Tools(const Palette& palette) : mapper(palette) {}
        PaletteMapper mapper;
        LzwEncoder encoder;
    };

    bool add(Job job);
    static void encode(Job& job, Tools& tools);
    bool write(const Job& job);
    // Writes the encoded jobs at the front; while more than keep are held, encodes
    // waiting jobs here or waits for the helpers.
    bool drain(std::size_t keep);
    // With the lock held: the oldest waiting job, now marked as being encoded; null when
    // none waits.
    Job* take_waiting();
    // Encodes a taken job with the lock released, then marks it encoded.
    void encode_taken(Job& job, Tools& tools, std::unique_lock<std::mutex>& lock);
    void help();

    GifWriter& writer_;
    const Palette& palette_;
    Tools tools_;  // the caller's
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
