#include "platform/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace kelvara {

namespace {

// Converts with iconv; an invalid or unconvertible input sequence is replaced by "?" and
// skipped by skip_bytes(in) bytes, so conversion always finishes.
template <typename SkipBytes>
std::string convert(const char* to, const char* from, std::string_view in, SkipBytes skip_bytes) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
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
            out += '?';
            const std::size_t n = std::min(src_left, skip_bytes(std::string_view(src, src_left)));
            src += n;
            src_left -= n;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

std::size_t utf8_sequence_length(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

}  // namespace

std::string gbk_to_utf8(std::string_view gbk) {
    return convert("UTF-8", "GBK", gbk, [](std::string_view rest) {
        const auto b = static_cast<unsigned char>(rest[0]);
        return (b >= 0x81 && b <= 0xFE && rest.size() > 1) ? std::size_t{2} : std::size_t{1};
    });
}

std::string utf8_to_gbk(std::string_view utf8) {
    return convert("GBK", "UTF-8", utf8, [](std::string_view rest) {
        return utf8_sequence_length(static_cast<unsigned char>(rest[0]));
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

bool looks_like_utf8(std::string_view s) {
    if (s.starts_with("\xEF\xBB\xBF")) return true;
    bool multibyte = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = utf8_sequence_length(b);
        if (n == 1) {
            if (b >= 0x80) return false;
            ++i;
            continue;
        }
        if (i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        // Overlong forms and surrogates are not UTF-8 that an editor writes.
        if (n == 2 && b < 0xC2) return false;
        if (n == 3 && b == 0xE0 && static_cast<unsigned char>(s[i + 1]) < 0xA0) return false;
        if (n == 3 && b == 0xED && static_cast<unsigned char>(s[i + 1]) >= 0xA0) return false;
        if (n == 4 && (b > 0xF4 || (b == 0xF0 && static_cast<unsigned char>(s[i + 1]) < 0x90))) return false;
        multibyte = true;
        i += n;
    }
    return multibyte;
}

}  // namespace kelvara
