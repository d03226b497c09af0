#include "record/xqf_reader.h"

#include <array>
#include <cstdint>

#include "board/rules.h"
#include "record/record_text.h"
#include "record/le_bytes.h"
#include "record/move_tree.h"
#include "record/tree_game.h"

namespace kelvara {

namespace {

constexpr std::size_t kHeaderBytes = 0x400;
constexpr std::size_t kPieceTable = 0x10;
constexpr std::size_t kPieceCount = 32;
constexpr int kFirstKeyedVersion = 11;
constexpr int kFirstRotatedVersion = 12;

// The kinds of the 32 entries of the piece table; entries 0-15 are red, 16-31 black.
constexpr PieceKind kTableKinds[16] = {
    PieceKind::Chariot,  PieceKind::Horse,   PieceKind::Elephant, PieceKind::Advisor,
    PieceKind::King,     PieceKind::Advisor, PieceKind::Elephant, PieceKind::Horse,
    PieceKind::Chariot,  PieceKind::Cannon,  PieceKind::Cannon,   PieceKind::Soldier,
    PieceKind::Soldier,  PieceKind::Soldier, PieceKind::Soldier,  PieceKind::Soldier,
};

// The text the stream key is cut from.
constexpr std::string_view kKeyText = "[(C) Copyright Mr. Dong Shiwei.]";

// Pascal strings of the header: offset and the most bytes the field holds (the title may
// spill into the reserved bytes after it, up to 0xCF).
struct TextField {
    std::size_t offset;
    std::size_t max_bytes;
};
constexpr TextField kTitle{0x50, 127};
constexpr TextField kEvent{0xD0, 63};
constexpr TextField kDate{0x110, 15};
constexpr TextField kPlace{0x120, 15};
constexpr TextField kRed{0x130, 15};
constexpr TextField kBlack{0x140, 15};
constexpr std::size_t kSideToMove = 0x32;
constexpr std::size_t kResult = 0x33;

struct Keys {
    int version = 0;
    std::uint8_t pieces = 0;  // offset of the piece squares
    std::uint8_t from = 0;    // offset of from-squares
    std::uint8_t to = 0;      // offset of to-squares
    std::int64_t comment = 0;  // offset of comment lengths
    std::array<std::uint8_t, 32> stream{};

    bool keyed() const { return version >= kFirstKeyedVersion; }
};

std::uint8_t header_byte(std::string_view bytes, std::size_t offset) { return u8_at(bytes, offset).value_or(0); }

Keys keys_of(std::string_view bytes) {
    Keys k;
    k.version = header_byte(bytes, 2);
    if (!k.keyed()) return k;
    auto h = [&](std::size_t i) { return static_cast<std::uint32_t>(header_byte(bytes, i)); };
    auto f = [](std::uint32_t key) { return 54 * key * key + 221; };
    k.pieces = static_cast<std::uint8_t>(f(h(13)) * h(13));
    k.from = static_cast<std::uint8_t>(f(h(14)) * k.pieces);
    k.to = static_cast<std::uint8_t>(f(h(15)) * k.from);
    k.comment = (h(12) * 256 + h(13)) % 32000 + 767;
    for (std::size_t j = 0; j < 32; ++j) {
        const std::uint32_t key = (h(12 + j % 4) & h(3)) | h(8 + j % 4);
        k.stream[j] = static_cast<std::uint8_t>(key & static_cast<std::uint8_t>(kKeyText[j]));
    }
    return k;
}

std::string text_field(std::string_view bytes, TextField f) {
    const std::size_t length = header_byte(bytes, f.offset);
    return field_text(field_at(bytes, f.offset + 1, std::min(length, f.max_bytes)));
}

// A square byte (file from red's left times ten plus rank); 90 and above is off the board.
Square square_of(std::uint8_t v) {
    if (v >= 90) return {-1, -1};
    return {v % 10, kColumns - 1 - v / 10};
}

// The start position from the piece table, each entry's square offset by the key; later
// versions also turn the table round by the key.
Position start_position(std::string_view bytes, const Keys& keys, bool rotated_table) {
    Position p = empty_position();
    for (std::size_t i = 0; i < kPieceCount; ++i) {
        const auto stored = static_cast<std::uint8_t>(header_byte(bytes, kPieceTable + i) - keys.pieces);
        const std::size_t entry = rotated_table ? (keys.pieces + 1 + i) % kPieceCount : i;
        const Square s = square_of(stored);
        if (!on_board(s)) continue;
        p[s.row][s.column] = piece_code(entry < 16 ? Side::Red : Side::Black, kTableKinds[entry % 16]);
    }
    return p;
}

// Each side's king once, inside its palace.
bool kings_in_palaces(const Position& p) {
    int red = 0, black = 0;
    for (int r = 0; r < kRows; ++r)
        for (int c = 3; c <= 5; ++c) {
            red += p[r][c] == piece_code(Side::Red, PieceKind::King) && r <= 2;
            black += p[r][c] == piece_code(Side::Black, PieceKind::King) && r >= 7;
        }
    int kings = 0;
    for (const auto& row : p)
        for (const PieceCode code : row) kings += piece_kind(code) == PieceKind::King;
    return red == 1 && black == 1 && kings == 2;
}

bool first_move_plays(const Position& p, const MoveTree& tree) {
    const int first = tree.root().first_child;
    if (first == -1) return true;
    const MoveTree::Node& n = tree.nodes[static_cast<std::size_t>(first)];
    if (!n.readable || !on_board(n.move.from) || !on_board(n.move.to)) return false;
    const auto side = side_of(at(p, n.move.from));
    return side && is_legal_move(p, *side, n.move);
}

// Version 1.1 files are read both ways by the programs that write them; the plain table
// is taken unless only the turned one gives a sound start for the moves.
Position choose_start(std::string_view bytes, const Keys& keys, const MoveTree& tree) {
    if (keys.version < kFirstKeyedVersion) return start_position(bytes, keys, false);
    if (keys.version >= kFirstRotatedVersion) return start_position(bytes, keys, true);
    const Position plain = start_position(bytes, keys, false);
    const Position turned = start_position(bytes, keys, true);
    auto sound = [&](const Position& p) { return kings_in_palaces(p) && first_move_plays(p, tree); };
    return !sound(plain) && sound(turned) ? turned : plain;
}

// The move data after the header: keyed files subtract the stream key from every byte,
// by its offset in the file.
class MoveData {
public:
    MoveData(std::string_view bytes, const Keys& keys) : bytes_(bytes), keys_(keys) {}

    bool has(std::size_t offset, std::size_t length) const { return within(bytes_, offset, length); }
    std::uint8_t at(std::size_t offset) const {
        return static_cast<std::uint8_t>(static_cast<std::uint8_t>(bytes_[offset]) - keys_.stream[offset % 32]);
    }
    std::uint32_t u32(std::size_t offset) const {
        std::uint32_t v = 0;
        for (std::size_t i = 4; i-- > 0;) v = (v << 8) | at(offset + i);
        return v;
    }
    std::string text(std::size_t offset, std::size_t length) const {
        std::string s(length, '\0');
        for (std::size_t i = 0; i < length; ++i) s[i] = static_cast<char>(at(offset + i));
        return s;
    }

private:
    std::string_view bytes_;
    const Keys& keys_;
};

struct Record {
    Move move;
    bool has_child;
    bool has_sibling;
    std::string comment;
};

// Reads the record at offset and moves past it; nullopt when it or its comment does not
// lie whole inside the data.
std::optional<Record> next_record(const MoveData& data, const Keys& keys, std::size_t& offset) {
    const std::size_t base = keys.keyed() ? 4 : 8;
    if (!data.has(offset, base)) return std::nullopt;
    Record r;
    const std::uint8_t from = static_cast<std::uint8_t>(data.at(offset) - 24 - keys.from);
    const std::uint8_t to = static_cast<std::uint8_t>(data.at(offset + 1) - 32 - keys.to);
    const std::uint8_t tag = data.at(offset + 2);
    r.move = {square_of(from), square_of(to)};
    // Version 1.0 marks a following move in the high nibble and a sibling in the low one;
    // later versions use three high bits and fill the rest with noise.
    r.has_child = keys.keyed() ? (tag & 0x80) != 0 : (tag & 0xF0) != 0;
    r.has_sibling = keys.keyed() ? (tag & 0x40) != 0 : (tag & 0x0F) != 0;
    const bool has_comment = keys.keyed() ? (tag & 0x20) != 0 : true;
    std::size_t next = offset + 4;  // version 1.0's length field follows here
    if (has_comment) {
        if (!data.has(next, 4)) return std::nullopt;
        const std::int64_t length = static_cast<std::int32_t>(data.u32(next)) - keys.comment;
        next += 4;
        if (length < 0 || !data.has(next, static_cast<std::size_t>(length))) return std::nullopt;
        r.comment = tidy_comment(data.text(next, static_cast<std::size_t>(length)));
        next += static_cast<std::size_t>(length);
    }
    offset = next;
    return r;
}

// The move tree; it breaks off where a record cannot be read whole.
MoveTree read_tree(std::string_view bytes, const Keys& keys) {
    MoveTree tree;
    const MoveData data(bytes, keys);
    std::size_t offset = kHeaderBytes;
    const auto root = next_record(data, keys, offset);
    if (!root) return tree;  // a header alone: a position without moves
    tree.root().comment = root->comment;
    PreorderTreeBuilder builder(tree, root->has_child);
    while (!builder.complete()) {
        auto r = next_record(data, keys, offset);
        if (!r) {
            builder.break_off();
            break;
        }
        const int node = builder.add(r->move, r->has_child, r->has_sibling);
        tree.nodes[static_cast<std::size_t>(node)].comment = std::move(r->comment);
    }
    return tree;
}

}  // namespace

bool looks_like_xqf(std::string_view bytes) { return bytes.starts_with("XQ"); }

std::optional<ReadStop> read_xqf_record(std::string_view bytes, GameRecord& game, MoveList& list) {
    if (bytes.size() < kHeaderBytes) {
        return no_game_read(game);
    }
    const Keys keys = keys_of(bytes);
    game.title = text_field(bytes, kTitle);
    game.notation = "xqf";
    game.info.event = text_field(bytes, kEvent);
    game.info.date = text_field(bytes, kDate);
    game.info.site = text_field(bytes, kPlace);
    game.info.red = text_field(bytes, kRed);
    game.info.black = text_field(bytes, kBlack);
    game.info.result = result_of_code(header_byte(bytes, kResult));
    if (game.title.empty()) game.title = game.info.event;

    const MoveTree tree = read_tree(bytes, keys);
    set_record_start(game, choose_start(bytes, keys, tree));
    return load_move_tree(tree, game, list, header_byte(bytes, kSideToMove) == 1 ? Side::Black : Side::Red);
}

}  // namespace kelvara
