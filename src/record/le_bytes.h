#pragma once
// Reading the little-endian fields of binary records. Every read names its offset and
// length and is checked against the bytes it was given first, so that no value read from
// a file can make a reader look outside the file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvara {

// Whether length bytes from offset lie inside bytes (no overflow for any values).
constexpr bool within(std::string_view bytes, std::size_t offset, std::size_t length) {
    return offset <= bytes.size() && length <= bytes.size() - offset;
}

constexpr std::optional<std::uint8_t> u8_at(std::string_view bytes, std::size_t offset) {
    if (!within(bytes, offset, 1)) return std::nullopt;
    return static_cast<std::uint8_t>(bytes[offset]);
}

constexpr std::optional<std::uint32_t> u32_at(std::string_view bytes, std::size_t offset) {
    if (!within(bytes, offset, 4)) return std::nullopt;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[offset + static_cast<std::size_t>(i)]);
    return v;
}

// The bytes of a field; shorter (down to empty) where the field runs past the end.
constexpr std::string_view field_at(std::string_view bytes, std::size_t offset, std::size_t length) {
    if (offset >= bytes.size()) return {};
    return bytes.substr(offset, length);
}

}  // namespace kelvara
