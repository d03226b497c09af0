#include "record/cbr_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

#include "board/layouts.h"
#include "platform/encoding.h"
#include "record/record_text.h"
#include "record/le_bytes.h"
#include "record/move_tree.h"
#include "record/record_list.h"
#include "record/tree_game.h"

namespace kelvara {

namespace {

constexpr std::string_view kRecordMagic("CCBridge Record\0", 16);
constexpr std::string_view kLibraryMagic("CCBridgeLibrary\0", 16);
constexpr std::size_t kVersionOffset = 19;
constexpr std::size_t kGuidOffset = 20;
constexpr std::size_t kGuidBytes = 16;
constexpr std::size_t kSquares = 90;

struct Field {
    std::size_t offset;
    std::size_t bytes;
};

// Where a record version keeps its fields. Version 1 writes each square as a nibble pair
// (file, row from the top); version 2 as an index from black's back rank.
struct Layout {
    Field title, event, round, date, place, red, black;
    std::size_t result, side, board, moves;
    bool nibble_squares;
};
constexpr Layout kVersion1{{52, 128}, {564, 64}, {628, 64}, {756, 64}, {820, 64}, {948, 64}, {1172, 64},
                           1820, 1856, 1864, 1958, true};
constexpr Layout kVersion2{{180, 128}, {692, 64}, {756, 64}, {884, 64}, {948, 64}, {1076, 64}, {1300, 64},
                           2076, 2112, 2120, 2214, false};

// Library layout: the index of fixed entries after the header, then the records.
constexpr std::size_t kCapacityOffset = 60;
constexpr std::size_t kIndexOffset = 66624;
constexpr std::size_t kEntryBytes = 276;
constexpr std::size_t kEntryGuidText = 20;
constexpr std::size_t kEntryGuidTextBytes = 80;
constexpr std::uint32_t kLiveEntry = 0x02;  // clear in an entry the library marks deleted

// Board codes 0x11-0x17 (red) and 0x21-0x27 (black): chariot, horse, elephant, advisor,
// king, cannon, soldier.
constexpr PieceKind kBoardKinds[7] = {PieceKind::Chariot, PieceKind::Horse,  PieceKind::Elephant, PieceKind::Advisor,
                                      PieceKind::King,    PieceKind::Cannon, PieceKind::Soldier};

// A UTF-16LE text up to its first NUL unit or the end of its bytes.
std::string utf16_text(std::string_view bytes) {
    std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i)
        if (bytes[2 * i] == '\0' && bytes[2 * i + 1] == '\0') units = i;
    return utf16le_to_gbk(bytes.substr(0, 2 * units));
}

std::string text_of(std::string_view record, Field f) { return field_text(utf16_text(field_at(record, f.offset, f.bytes))); }

Square square_of(std::uint8_t v, bool nibbles) {
    if (nibbles) {
        const int file = v >> 4, row_from_top = v & 0x0F;
        if (file > 8 || row_from_top > 9) return {-1, -1};
        return {kRows - 1 - row_from_top, kColumns - 1 - file};
    }
    if (v >= kSquares) return {-1, -1};
    return {kRows - 1 - v / 9, kColumns - 1 - v % 9};
}

Position board_of(std::string_view record, const Layout& layout) {
    Position p = empty_position();
    const std::string_view board = field_at(record, layout.board, kSquares);
    for (std::size_t i = 0; i < board.size(); ++i) {
        const auto code = static_cast<std::uint8_t>(board[i]);
        const int kind = (code & 0x0F) - 1;
        const int side = code >> 4;
        if (kind < 0 || kind >= 7 || (side != 1 && side != 2)) continue;
        const Square s = square_of(static_cast<std::uint8_t>(i), false);
        p[s.row][s.column] = piece_code(side == 1 ? Side::Red : Side::Black, kBoardKinds[kind]);
    }
    return p;
}

// Reads the move record at offset and moves past it; nullopt when it or its comment does
// not lie whole inside the record.
struct MoveEntry {
    Move move;
    std::uint8_t flags;
    std::string comment;
};
std::optional<MoveEntry> next_entry(std::string_view record, const Layout& layout, std::size_t& offset) {
    if (!within(record, offset, 4)) return std::nullopt;
    MoveEntry e;
    e.flags = static_cast<std::uint8_t>(record[offset]);
    e.move = {square_of(static_cast<std::uint8_t>(record[offset + 2]), layout.nibble_squares),
              square_of(static_cast<std::uint8_t>(record[offset + 3]), layout.nibble_squares)};
    std::size_t next = offset + 4;
    if (e.flags & 0x04) {
        const auto length = u32_at(record, next);
        if (!length || !within(record, next + 4, *length)) return std::nullopt;
        e.comment = tidy_comment(utf16_text(record.substr(next + 4, *length)));
        next += 4 + *length;
    }
    offset = next;
    return e;
}

constexpr bool has_child(std::uint8_t flags) { return (flags & 0x01) == 0; }
constexpr bool has_sibling(std::uint8_t flags) { return (flags & 0x02) != 0; }

MoveTree read_tree(std::string_view record, const Layout& layout) {
    MoveTree tree;
    std::size_t offset = layout.moves;
    const auto root = next_entry(record, layout, offset);
    if (!root) return tree;
    tree.root().comment = root->comment;
    PreorderTreeBuilder builder(tree, has_child(root->flags));
    while (!builder.complete()) {
        auto e = next_entry(record, layout, offset);
        if (!e) {
            builder.break_off();
            break;
        }
        const int node = builder.add(e->move, has_child(e->flags), has_sibling(e->flags));
        tree.nodes[static_cast<std::size_t>(node)].comment = std::move(e->comment);
    }
    return tree;
}

const Layout& layout_of(std::string_view record) {
    return u8_at(record, kVersionOffset).value_or(2) == 1 ? kVersion1 : kVersion2;
}

std::optional<ReadStop> read_record(std::string_view record, GameRecord& game, MoveList& list) {
    const Layout& layout = layout_of(record);
    if (!within(record, layout.board, kSquares)) {
        return no_game_read(game);
    }
    game.title = text_of(record, layout.title);
    game.notation = "cbr";
    game.info.event = text_of(record, layout.event);
    game.info.round = text_of(record, layout.round);
    game.info.date = text_of(record, layout.date);
    game.info.site = text_of(record, layout.place);
    game.info.red = text_of(record, layout.red);
    game.info.black = text_of(record, layout.black);
    game.info.result = result_of_code(u8_at(record, layout.result).value_or(0));
    if (game.title.empty()) game.title = game.info.event;

    set_record_start(game, board_of(record, layout));
    const MoveTree tree = read_tree(record, layout);
    return load_move_tree(tree, game, list, u8_at(record, layout.side).value_or(1) == 2 ? Side::Black : Side::Red);
}

// ---- libraries ----

// The 16 bytes of a GUID written as text "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", in the
// order Windows stores a GUID (the first three groups little-endian).
std::optional<std::array<char, kGuidBytes>> guid_of_text(std::string_view utf16) {
    std::string hex;
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        const char c = utf16[i];
        if (utf16[i + 1] != '\0' || c == '\0') break;
        if (std::isxdigit(static_cast<unsigned char>(c))) hex += c;
    }
    if (hex.size() != 2 * kGuidBytes) return std::nullopt;
    std::array<char, kGuidBytes> in{};
    for (std::size_t i = 0; i < kGuidBytes; ++i) in[i] = static_cast<char>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
    constexpr std::size_t kOrder[kGuidBytes] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    std::array<char, kGuidBytes> out{};
    for (std::size_t i = 0; i < kGuidBytes; ++i) out[i] = in[kOrder[i]];
    return out;
}

struct LibraryGame {
    std::string_view record;
    std::uint32_t order;
};

// Every record of the library, each up to the next one, and the live entries of its
// index matched to them by GUID (or by slot where the GUID does not tell). Games not in
// the index are taken in file order when the index names none.
std::vector<LibraryGame> library_games(std::string_view bytes) {
    const std::uint32_t capacity = u32_at(bytes, kCapacityOffset).value_or(0);
    const bool index_fits = capacity <= (bytes.size() - std::min(bytes.size(), kIndexOffset)) / kEntryBytes;
    const std::size_t data_start = index_fits ? kIndexOffset + kEntryBytes * capacity : kIndexOffset;

    std::vector<std::size_t> starts;
    for (std::size_t at = bytes.find(kRecordMagic, data_start); at != std::string_view::npos;
         at = bytes.find(kRecordMagic, at + kRecordMagic.size()))
        starts.push_back(at);
    std::vector<std::string_view> records;
    for (std::size_t i = 0; i < starts.size(); ++i)
        records.push_back(bytes.substr(starts[i], (i + 1 < starts.size() ? starts[i + 1] : bytes.size()) - starts[i]));

    std::vector<LibraryGame> games;
    if (!index_fits) {
        for (std::size_t i = 0; i < records.size(); ++i) games.push_back({records[i], static_cast<std::uint32_t>(i)});
        return games;
    }
    std::map<std::string_view, std::size_t> by_guid;  // the first record with each GUID
    for (std::size_t i = 0; i < records.size(); ++i) by_guid.emplace(field_at(records[i], kGuidOffset, kGuidBytes), i);
    constexpr std::size_t kSlotBytes = 4096;
    bool any_entry = false;
    for (std::size_t k = 0; k < capacity; ++k) {
        const std::size_t entry = kIndexOffset + k * kEntryBytes;
        const std::uint32_t flags = u32_at(bytes, entry).value_or(0);
        if (flags == 0) continue;
        any_entry = true;
        if ((flags & kLiveEntry) == 0) continue;
        std::optional<std::size_t> found;
        if (const auto guid = guid_of_text(field_at(bytes, entry + kEntryGuidText, kEntryGuidTextBytes))) {
            const auto it = by_guid.find(std::string_view(guid->data(), kGuidBytes));
            if (it != by_guid.end()) found = it->second;
        }
        if (!found) {
            const std::size_t slot = data_start + k * kSlotBytes;
            const auto it = std::lower_bound(starts.begin(), starts.end(), slot);
            if (it != starts.end() && *it == slot) found = static_cast<std::size_t>(it - starts.begin());
        }
        if (found) games.push_back({records[*found], u32_at(bytes, entry + 4).value_or(0)});
    }
    if (!any_entry)
        for (std::size_t i = 0; i < records.size(); ++i) games.push_back({records[i], static_cast<std::uint32_t>(i)});
    std::stable_sort(games.begin(), games.end(),
                     [](const LibraryGame& a, const LibraryGame& b) { return a.order < b.order; });
    return games;
}

// Whether a record's tree has a move: its root says one follows. Section headings of a
// library have none.
bool holds_moves(std::string_view record) {
    const Layout& layout = layout_of(record);
    std::size_t offset = layout.moves;
    const auto root = within(record, layout.board, kSquares) ? next_entry(record, layout, offset) : std::nullopt;
    return root && has_child(root->flags);
}

// The records of the library's games that hold moves, in the library's order.
std::vector<std::string_view> offered_records(std::string_view bytes) {
    std::vector<std::string_view> offered;
    for (const LibraryGame& g : library_games(bytes))
        if (holds_moves(g.record)) offered.push_back(g.record);
    return offered;
}

}  // namespace

bool looks_like_cbr(std::string_view bytes) { return bytes.starts_with(kRecordMagic); }
bool looks_like_cbl(std::string_view bytes) { return bytes.starts_with(kLibraryMagic); }

std::optional<ReadStop> read_cbr_record(std::string_view bytes, GameRecord& game, MoveList& list) {
    return read_record(bytes, game, list);
}

std::vector<GameSummary> list_cbl_games(std::string_view bytes) {
    return summarise_records(offered_records(bytes), read_record);
}

std::optional<ReadStop> read_cbl_game(std::string_view bytes, int index, GameRecord& game, MoveList& list) {
    return read_listed_record(offered_records(bytes), index, game, list, read_record);
}

}  // namespace kelvara
