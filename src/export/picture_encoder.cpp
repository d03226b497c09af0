#include "export/picture_encoder.h"

#include <algorithm>

namespace kelvara {

namespace {

// Enough pictures in hand to keep every thread busy.
constexpr int kPicturesPerThread = 2;

}  // namespace

PictureEncoder::PictureEncoder(GifWriter& writer, const Palette& palette, int threads)
    : writer_(writer), palette_(palette), tools_(palette),
      in_flight_(static_cast<std::size_t>(kPicturesPerThread * std::max(threads, 1))) {
    for (int t = 1; t < threads; ++t) helpers_.emplace_back([this] { help(); });
}

PictureEncoder::~PictureEncoder() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    work_.notify_all();
    for (auto& helper : helpers_) helper.join();
}

void PictureEncoder::encode(Job& job, Tools& tools) {
    if (!job.mapped) {
        job.picture = index_change(job.change, tools.mapper);
        job.change.pixels = {};
    }
    const IndexedPicture& p = job.picture;
    job.encoded = encode_gif_picture(p.indices, p.rect, job.delay, p.transparent_index, tools.encoder, job.blocks);
    job.picture.indices = {};  // no longer needed: give the memory back now
}

bool PictureEncoder::write(const Job& job) {
    if (failed_) return false;
    if (!job.encoded || !writer_.add_encoded(job.blocks)) failed_ = true;
    return !failed_;
}

bool PictureEncoder::add(IndexedPicture picture, int delay) {
    return add(Job(std::move(picture), {}, true, delay));
}

bool PictureEncoder::add(PictureChange change, int delay) { return add(Job({}, std::move(change), false, delay)); }

bool PictureEncoder::add(Job job) {
    if (failed_) return false;
    if (helpers_.empty()) {
        encode(job, tools_);
        return write(job);
    }
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    work_.notify_one();
    return drain(in_flight_);
}

bool PictureEncoder::finish() { return drain(0) && !failed_; }

bool PictureEncoder::drain(std::size_t keep) {
    std::unique_lock lock(mutex_);
    for (;;) {
        while (!jobs_.empty() && jobs_.front().state == Job::State::Encoded) {
            const Job job = std::move(jobs_.front());
            jobs_.pop_front();
            lock.unlock();
            write(job);
            lock.lock();
        }
        if (jobs_.size() <= keep) return !failed_;
        if (Job* job = take_waiting())
            encode_taken(*job, tools_, lock);
        else
            done_.wait(lock);
    }
}

PictureEncoder::Job* PictureEncoder::take_waiting() {
    const auto waiting =
        std::find_if(jobs_.begin(), jobs_.end(), [](const Job& j) { return j.state == Job::State::Waiting; });
    if (waiting == jobs_.end()) return nullptr;
    waiting->state = Job::State::Encoding;
    return &*waiting;
}

void PictureEncoder::encode_taken(Job& job, Tools& tools, std::unique_lock<std::mutex>& lock) {
    lock.unlock();
    encode(job, tools);
    lock.lock();
    job.state = Job::State::Encoded;
}

void PictureEncoder::help() {
    Tools tools(palette_);
    std::unique_lock lock(mutex_);
    for (;;) {
        Job* job = nullptr;
        work_.wait(lock, [&] { return stopping_ || (job = take_waiting()) != nullptr; });
        if (stopping_) return;
        encode_taken(*job, tools, lock);
        done_.notify_one();
    }
}

}  // namespace kelvara
