#pragma once
// CCBridge records and libraries written for the tests: a CBR record (format version 2)
// with the standard start and a move tree, and a CBL library of such records.

#include <algorithm>
#include <cstdint>
#include <string>

namespace kelvara::test {

inline std::string utf16(const std::u16string& s) {
    std::string out;
    for (const char16_t c : s) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

inline std::string u32(std::uint32_t v) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

// The square index of a CBR board: rows from black's back rank, files from red's left.
inline int cbr_square(const char* iccs) { return (9 - (iccs[1] - '0')) * 9 + (iccs[0] - 'a'); }

// A CCBridge record (format version 2) with the standard start, written for the tests.
class CbrFile {
public:
    CbrFile() : bytes_(2214, '\0') {
        bytes_.replace(0, 16, std::string("CCBridge Record\0", 16));
        bytes_[19] = 2;
        bytes_[2112] = 1;
        // Black's back rank first, each rank from file a: codes 0x11-0x17 red, 0x21-0x27 black.
        fill_row(0, "\x21\x22\x23\x24\x25\x24\x23\x22\x21");
        fill_row(2, "\0\x26\0\0\0\0\0\x26\0");
        fill_row(3, "\x27\0\x27\0\x27\0\x27\0\x27");
        fill_row(6, "\x17\0\x17\0\x17\0\x17\0\x17");
        fill_row(7, "\0\x16\0\0\0\0\0\x16\0");
        fill_row(9, "\x11\x12\x13\x14\x15\x14\x13\x12\x11");
    }
    void text(std::size_t offset, const std::u16string& s) { bytes_.replace(offset, 2 * s.size(), utf16(s)); }
    void byte(std::size_t offset, int v) { bytes_[offset] = static_cast<char>(v); }
    void clear_board() { std::fill(bytes_.begin() + 2120, bytes_.begin() + 2210, '\0'); }
    void piece(const char* at, int code) { bytes_[2120 + static_cast<std::size_t>(cbr_square(at))] = static_cast<char>(code); }

    // flags: 0x01 no child, 0x02 sibling follows, 0x04 comment.
    void root(int flags, const std::u16string& comment = {}) { entry(flags, 0, 0, comment); }
    void move(const char* iccs, int flags, const std::u16string& comment = {}) {
        entry(flags, cbr_square(iccs), cbr_square(iccs + 2), comment);
    }
    void raw(const std::string& b) { bytes_ += b; }
    const std::string& bytes() const { return bytes_; }

private:
    void fill_row(int row, const char* codes) {
        for (int c = 0; c < 9; ++c) bytes_[2120 + static_cast<std::size_t>(row * 9 + c)] = codes[c];
    }
    void entry(int flags, int from, int to, const std::u16string& comment) {
        if (!comment.empty()) flags |= 0x04;
        bytes_ += static_cast<char>(flags);
        bytes_ += '\0';
        bytes_ += static_cast<char>(from);
        bytes_ += static_cast<char>(to);
        if (!comment.empty()) bytes_ += u32(static_cast<std::uint32_t>(2 * comment.size())) + utf16(comment);
    }
    std::string bytes_;
};

// A CBL library: the header, an index of `capacity` entries, then one 4096-byte slot per
// record in the order they are added.
class CblFile {
public:
    explicit CblFile(std::uint32_t capacity) : bytes_(66624 + 276 * capacity, '\0') {
        bytes_.replace(0, 16, std::string("CCBridgeLibrary\0", 16));
        bytes_.replace(60, 4, u32(capacity));
    }
    // Index entry k: its flags (7 live, 5 deleted), its place in the library's order and
    // the GUID {0000000N-…} of its record.
    void entry(std::size_t k, std::uint32_t flags, std::uint32_t order, int guid) {
        const std::size_t at = 66624 + k * 276;
        bytes_.replace(at, 4, u32(flags));
        bytes_.replace(at + 4, 4, u32(order));
        const std::u16string text = u"{0000000" + std::u16string(1, static_cast<char16_t>(u'0' + guid)) +
                                    u"-0000-0000-0000-000000000000}";
        bytes_.replace(at + 20, 2 * text.size(), utf16(text));
    }
    // A record titled title, with 炮二平五 or without moves (a section heading).
    void add_record(const std::u16string& title, bool with_move, int guid) {
        CbrFile f;
        f.text(180, title);
        std::string b = f.bytes();
        b[20] = static_cast<char>(guid);
        b += with_move ? std::string("\x00\x00\x00\x00", 4) + "\x01" + std::string(1, '\0') +
                             static_cast<char>(cbr_square("h2")) + static_cast<char>(cbr_square("e2"))
                       : std::string("\x01\x00\x00\x00", 4);
        b.resize(4096, '\0');
        bytes_ += b;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace kelvara::test
