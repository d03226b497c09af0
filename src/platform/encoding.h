#pragma once
// Conversion between the program's GBK text and UTF-8, for the edges: the terminal, the
// GUI toolkit, file names on disk and records stored in UTF-8.

#include <string>
#include <string_view>

namespace kelvara {

// A byte that GBK cannot decode, or a character GBK cannot encode, becomes "?".
std::string gbk_to_utf8(std::string_view gbk);
std::string utf8_to_gbk(std::string_view utf8);
// UTF-16 little-endian code units (CCBridge records); an odd last byte is dropped.
std::string utf16le_to_gbk(std::string_view utf16le);

// Code points for a text renderer; a malformed sequence becomes "?".
std::u32string utf8_to_utf32(std::string_view utf8);

// UTF-16 with its byte-order mark (either order) to UTF-8; a bad unit becomes "?".
std::string utf16_to_utf8(std::string_view utf16);

// BIG5 (as Windows writes it, code page 950) to GBK, which holds the traditional
// characters too; a byte BIG5 cannot decode, or a character GBK lacks, becomes "?".
std::string big5_to_gbk(std::string_view big5);

// Whether every byte sequence of the text is a character of the encoding, as iconv
// names it ("GBK", "CP950"): no byte is invalid, unassigned or user-defined.
bool decodes_strictly(std::string_view bytes, const char* encoding);

// Well-formed UTF-8 throughout (plain ASCII is), without overlong forms or surrogates.
bool is_utf8(std::string_view bytes);

// True for well-formed UTF-8 that holds at least one multi-byte sequence, or that
// starts with the UTF-8 byte-order mark: text that is not plain ASCII nor GBK.
bool looks_like_utf8(std::string_view bytes);

}  // namespace kelvara
