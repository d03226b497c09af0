#pragma once
// Helpers for GBK byte text. Lengths and positions count bytes; positions given to or
// returned by find are 1-based (-1: not found), as the record formats count them.
// Helpers that must not split a character (case change, replace, cut) walk the text
// one character at a time: a lead byte 0x81-0xFE with a trail byte 0x40-0xFE (not 0x7F)
// is one double-byte character.

#include <string>
#include <string_view>
#include <vector>

namespace kelvara::gbk {

// Byte length of the character starting at s[i]: 2 for a double-byte character, else 1.
std::size_t char_length(std::string_view s, std::size_t i);

std::string_view left(std::string_view s, int count);
std::string_view right(std::string_view s, int count);
// count bytes from the 1-based position start.
std::string_view middle(std::string_view s, int start, int count);

// The characters of s, one or two bytes each.
std::vector<std::string_view> characters(std::string_view s);

// 1-based position of the first occurrence of what at or after the 1-based position from.
int find(std::string_view s, std::string_view what, int from = 1);
// 1-based position of the last occurrence of what, -1 when absent.
int find_last(std::string_view s, std::string_view what);

// The first max_parts fields of s separated by sep; whatever follows them is dropped.
std::vector<std::string_view> split(std::string_view s, std::string_view sep, int max_parts);

// ASCII letters only; double-byte characters pass unchanged, their trail bytes included.
std::string to_upper_ascii(std::string_view s);
std::string to_lower_ascii(std::string_view s);

// Replaces every occurrence that starts on a character boundary.
std::string replace_all(std::string_view s, std::string_view from, std::string_view to);
std::string repeat(std::string_view s, int times);

// The full-width forms of ASCII (GBK A3A1-A3FE: １, Ｃ, ＋, ＝ …) become their ASCII
// characters; everything else stays. Records write digits and WXF moves either way.
std::string fold_full_width(std::string_view s);

// Full-width forms fold to ASCII first (fold_full_width); then leading blanks, an optional
// sign and the leading decimal digits are read. No digits give 0; the result saturates.
int to_integer(std::string_view s);
std::string decimal(long long value);
// Digit by digit: 305 gives 三零五.
std::string chinese_numerals(long long value);

// The longest prefix of at most max_bytes bytes that ends on a character boundary.
std::string_view cut_whole_chars(std::string_view s, std::size_t max_bytes);

}  // namespace kelvara::gbk
