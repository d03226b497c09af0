#include "platform/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>

namespace kelvara {

namespace {

enum class OnInvalid { Replace, Fail };

// Converts with iconv. An invalid or unconvertible input sequence is replaced by "?" and
// skipped by skip_bytes(rest) bytes, so that conversion always finishes; or, with
// OnInvalid::Fail, ends it: nullopt. An encoding iconv does not know fails too (or gives
// the input unchanged when replacing).
template <typename SkipBytes>
std::optional<std::string> convert(const char* to, const char* from, std::string_view in, SkipBytes skip_bytes,
                                   OnInvalid on_invalid = OnInvalid::Replace) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        if (on_invalid == OnInvalid::Fail) return std::nullopt;
        return std::string(in);
    }
    std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
    std::string out;
    out.reserve(in.size() * 2);
    char buffer[4096];
    auto* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    while (src_left > 0) {
        char* dst = buffer;
        std::size_t dst_left = sizeof buffer;
        const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            if (on_invalid == OnInvalid::Fail) return std::nullopt;
            out += '?';
            const std::size_t n = std::min(src_left, skip_bytes(std::string_view(src, src_left)));
            src += n;
            src_left -= n;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

// A bad sequence of a double-byte encoding is skipped with its trail byte.
std::size_t double_byte_length(std::string_view rest) {
    const auto b = static_cast<unsigned char>(rest[0]);
    return (b >= 0x81 && b <= 0xFE && rest.size() > 1) ? 2 : 1;
}

std::size_t utf8_sequence_length(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

}  // namespace

std::string gbk_to_utf8(std::string_view gbk) { return *convert("UTF-8", "GBK", gbk, double_byte_length); }

std::string utf8_to_gbk(std::string_view utf8) {
    return *convert("GBK", "UTF-8", utf8,
                    [](std::string_view rest) { return utf8_sequence_length(static_cast<unsigned char>(rest[0])); });
}

std::string utf16_to_utf8(std::string_view utf16) {
    return *convert("UTF-8", "UTF-16", utf16, [](std::string_view rest) { return std::min<std::size_t>(2, rest.size()); });
}

std::string big5_to_gbk(std::string_view big5) {
    return utf8_to_gbk(*convert("UTF-8", "CP950", big5, double_byte_length));
}

bool decodes_strictly(std::string_view bytes, const char* encoding) {
    return convert("UTF-8", encoding, bytes, double_byte_length, OnInvalid::Fail).has_value();
}

std::string utf16le_to_gbk(std::string_view utf16le) {
    utf16le = utf16le.substr(0, utf16le.size() & ~std::size_t{1});
    // A lone surrogate skips its own unit; a pair that GBK lacks skips both.
    return *convert("GBK", "UTF-16LE", utf16le, [](std::string_view rest) {
        auto high_byte = [&](std::size_t unit) { return static_cast<unsigned char>(rest[2 * unit + 1]); };
        const bool pair = rest.size() >= 4 && high_byte(0) >= 0xD8 && high_byte(0) <= 0xDB && high_byte(1) >= 0xDC &&
                          high_byte(1) <= 0xDF;
        return pair ? std::size_t{4} : std::size_t{2};
    });
}

std::u32string utf8_to_utf32(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = utf8_sequence_length(b);
        if ((n == 1 && b >= 0x80) || i + n > s.size()) {
            out += U'?';
            ++i;
            continue;
        }
        char32_t cp = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
        for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out += cp;
        i += n;
    }
    return out;
}

namespace {

// Length of the well-formed UTF-8 sequence at s[i]; 0 when it is malformed.
std::size_t valid_sequence(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = utf8_sequence_length(b);
    if (n == 1) return b < 0x80 ? 1 : 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    // Overlong forms and surrogates are not UTF-8 that an editor writes.
    const auto second = static_cast<unsigned char>(s[i + 1]);
    if (n == 2 && b < 0xC2) return 0;
    if (n == 3 && b == 0xE0 && second < 0xA0) return 0;
    if (n == 3 && b == 0xED && second >= 0xA0) return 0;
    if (n == 4 && (b > 0xF4 || (b == 0xF0 && second < 0x90) || (b == 0xF4 && second >= 0x90))) return 0;
    return n;
}

}  // namespace

bool is_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = valid_sequence(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

bool looks_like_utf8(std::string_view s) {
    if (s.starts_with("\xEF\xBB\xBF")) return true;
    bool multibyte = false;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = valid_sequence(s, i);
        if (n == 0) return false;
        multibyte |= n > 1;
        i += n;
    }
    return multibyte;
}

}  // namespace kelvara
