#include "platform/lzw_encoder.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

namespace kelvara {

namespace {

constexpr int kMinimumCodeSize = 8;
constexpr int kMaxBlock = 255;

// How many of the first bytes of p, at most limit, equal c.
std::size_t run_of(const std::uint8_t* p, std::size_t limit, std::uint8_t c) {
    std::size_t k = 0;
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t pattern = 0x0101010101010101ull * c;
        for (; k + 8 <= limit; k += 8) {
            std::uint64_t word;
            std::memcpy(&word, p + k, 8);
            if (const std::uint64_t differ = word ^ pattern) return k + static_cast<std::size_t>(std::countr_zero(differ) / 8);
        }
    }
    while (k < limit && p[k] == c) ++k;
    return k;
}

}  // namespace

LzwEncoder::LzwEncoder() {
    for (int c = 0; c < 256; ++c) {
        run_length_[c] = 1;
        run_colour_[c] = static_cast<std::uint8_t>(c);
        chains_[c].reserve(64);
        chains_[c].push_back(static_cast<std::uint16_t>(c));
    }
    used_.reserve(kCodes);
}

void LzwEncoder::reset_dictionary() {
    for (std::uint16_t slot : used_) slots_[slot] = 0;
    used_.clear();
    for (auto& chain : chains_) chain.resize(1);
    next_code_ = kFirstFree;
    bits_ = kMinimumCodeSize + 1;
    bits_limit_ = 1 << bits_;
}

// Multiplicative hashing: the top bits of key × 2^32/φ.
int LzwEncoder::find(int prefix, std::uint8_t pixel) const {
    const std::uint32_t key = static_cast<std::uint32_t>(prefix) << 8 | pixel;
    for (std::uint32_t s = (key * 2654435761u) >> (32 - kSlotBits);; s = (s + 1) & (slots_.size() - 1)) {
        const std::uint32_t entry = slots_[s];
        if (entry == 0) return 0;
        if (entry >> 12 == key) return static_cast<int>(entry & 0xFFF);
    }
}

void LzwEncoder::add(int prefix, std::uint8_t pixel) {
    const int code = next_code_++;
    const std::uint32_t key = static_cast<std::uint32_t>(prefix) << 8 | pixel;
    std::uint32_t s = (key * 2654435761u) >> (32 - kSlotBits);
    while (slots_[s] != 0) s = (s + 1) & (slots_.size() - 1);
    slots_[s] = key << 12 | static_cast<std::uint32_t>(code);
    used_.push_back(static_cast<std::uint16_t>(s));
    if (run_length_[prefix] != 0 && run_colour_[prefix] == pixel) {
        // Only the longest run code of a colour lacks its extension, so the chain grows by one.
        assert(chains_[pixel].size() == run_length_[prefix]);
        run_length_[code] = static_cast<std::uint16_t>(run_length_[prefix] + 1);
        run_colour_[code] = pixel;
        chains_[pixel].push_back(static_cast<std::uint16_t>(code));
    } else {
        run_length_[code] = 0;
    }
}

// The code size grows after a code is written once the next free code no longer fits,
// as giflib does it; the clear code and the end code take part in that test too.
void LzwEncoder::put(int code) {
    pending_ |= static_cast<std::uint64_t>(code) << pending_bits_;
    pending_bits_ += bits_;
    if (pending_bits_ >= 32) {
        const auto word = static_cast<std::uint32_t>(pending_);
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(packed_end_, &word, 4);
        } else {
            for (int k = 0; k < 4; ++k) packed_end_[k] = static_cast<std::uint8_t>(word >> (8 * k));
        }
        packed_end_ += 4;
        pending_ >>= 32;
        pending_bits_ -= 32;
    }
    if (next_code_ >= bits_limit_ && code <= kCodeLimit) bits_limit_ = 1 << ++bits_;
}

// Sub-blocks of 255 bytes and a last shorter one, none empty, then the empty block.
void LzwEncoder::write_blocks(std::vector<std::uint8_t>& out) {
    for (; pending_bits_ > 0; pending_bits_ -= 8, pending_ >>= 8) *packed_end_++ = static_cast<std::uint8_t>(pending_);
    pending_ = 0;
    pending_bits_ = 0;
    const std::uint8_t* data = packed_.data();
    const auto size = static_cast<std::size_t>(packed_end_ - data);
    out.reserve(out.size() + size + size / kMaxBlock + 2);
    for (std::size_t at = 0; at < size; at += kMaxBlock) {
        const std::size_t length = std::min<std::size_t>(kMaxBlock, size - at);
        out.push_back(static_cast<std::uint8_t>(length));
        out.insert(out.end(), data + at, data + at + length);
    }
    out.push_back(0);
}

void LzwEncoder::encode(std::span<const std::uint8_t> indices, std::vector<std::uint8_t>& out) {
    assert(!indices.empty());
    out.push_back(kMinimumCodeSize);
    // At most one code per pixel, a clear code per 3,837 codes and three more, each of
    // at most 12 bits, and the four bytes the last store may run past.
    const std::size_t most_codes = indices.size() + indices.size() / 1024 + 4;
    if (packed_.size() < most_codes * 12 / 8 + 16) packed_.resize(most_codes * 12 / 8 + 16);
    packed_end_ = packed_.data();
    reset_dictionary();
    put(kClear);

    const std::uint8_t* pixels = indices.data();
    const std::size_t count = indices.size();
    std::size_t i = 1;
    int current = pixels[0];
    while (i < count) {
        // The current string is a run of one colour that the next pixel goes on: take as
        // much of the run ahead as the chain of run codes holds, in one step.
        if (const std::size_t length = run_length_[current]; length != 0 && pixels[i] == run_colour_[current]) {
            const std::uint8_t colour = run_colour_[current];
            const std::vector<std::uint16_t>& chain = chains_[colour];
            const std::size_t room = chain.size() - length;
            const std::size_t run = run_of(pixels + i, std::min(count - i, room + 1), colour);
            if (run <= room) {
                current = chain[length - 1 + run];
                i += run;
                if (i == count) break;
            } else {  // the run goes on past the longest run code: the next pixel misses
                current = chain.back();
                i += room;
            }
        }
        const std::uint8_t pixel = pixels[i++];
        if (const int extended = find(current, pixel)) {
            current = extended;
            continue;
        }
        put(current);
        if (next_code_ >= kCodeLimit) {
            put(kClear);
            reset_dictionary();
        } else {
            add(current, pixel);
        }
        current = pixel;
    }
    put(current);
    put(kEnd);
    write_blocks(out);
}

}  // namespace kelvara
