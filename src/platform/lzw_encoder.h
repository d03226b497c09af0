#pragma once
// The LZW compression of GIF picture data for 8-bit palette indices: a clear code first,
// codes of 9 up to 12 bits, a clear code whenever the 4096-entry dictionary is full, the
// end code last, packed least significant bit first into sub-blocks of up to 255 bytes.
// Code sizes grow and clear codes fall exactly where giflib's encoder puts them, so the
// data is the same byte for byte.
//
// Most of an animation picture is long runs of the transparent index. Inside a run of a
// colour c the encoder jumps along the dictionary's chain of codes for c, cc, ccc, ...
// instead of looking up one pixel at a time; the codes it chooses are the same.
//
// An encoder keeps its tables (about 50 KB) between pictures; use one per thread.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kelvara {

class LzwEncoder {
public:
    LzwEncoder();

    // Appends the minimum code size (8), the data sub-blocks and the empty block that
    // ends them. indices must not be empty.
    void encode(std::span<const std::uint8_t> indices, std::vector<std::uint8_t>& out);

private:
    static constexpr int kClear = 256;
    static constexpr int kEnd = 257;
    static constexpr int kFirstFree = 258;
    static constexpr int kCodeLimit = 4095;  // the dictionary is cleared rather than grown to 4096
    static constexpr int kCodes = 4096;

    void reset_dictionary();
    int find(int prefix, std::uint8_t pixel) const;  // 0: not in the dictionary
    void add(int prefix, std::uint8_t pixel);
    void put(int code);
    // Appends the packed codes to out as sub-blocks and the empty block that ends them.
    void write_blocks(std::vector<std::uint8_t>& out);

    // The dictionary's strings of two pixels or more, by prefix code and last pixel:
    // open addressing over (prefix << 8 | pixel) << 12 | code, 0 for an empty slot (every
    // such code is 258 or more). Small enough to stay in the cache, unlike a table of
    // 4096 × 256 codes.
    static constexpr int kSlotBits = 13;
    std::array<std::uint32_t, 1 << kSlotBits> slots_{};
    std::vector<std::uint16_t> used_;  // the slots filled since the last clear
    // A code that stands for a run of one colour: its length (0 for any other string)
    // and the colour.
    std::array<std::uint16_t, kCodes> run_length_{};
    std::array<std::uint8_t, kCodes> run_colour_{};
    // chains_[c][j - 1]: the code of c repeated j times, for every j the dictionary holds.
    std::array<std::vector<std::uint16_t>, 256> chains_;
    int next_code_ = kFirstFree;
    int bits_ = 9;
    int bits_limit_ = 512;  // 1 << bits_

    // The codes packed least significant bit first, four bytes at a time; split into
    // sub-blocks at the end. Kept between pictures, so it grows only for a larger one.
    std::vector<std::uint8_t> packed_;
    std::uint8_t* packed_end_ = nullptr;
    std::uint64_t pending_ = 0;  // bits not yet packed, lowest first
    int pending_bits_ = 0;
};

}  // namespace kelvara
