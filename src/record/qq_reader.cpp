#include "record/qq_reader.h"

#include "notation/move_notation.h"
#include "platform/text.h"
#include "record/move_rows.h"

namespace kelvara {

namespace {

constexpr int kGroupFields = 10;

// The fields of one move group and where the text after it begins.
struct Group {
    int field[kGroupFields];
    // Offset just past the tenth field's space; npos when the tenth field ends the text.
    std::size_t end;
};

// Splits the next group off text: ten fields, each ended by a space; the last may
// instead run to the end of the text (real files end with a line feed, not a space).
std::optional<Group> next_group(std::string_view text) {
    Group g{};
    std::size_t start = 0;
    for (int f = 0; f < kGroupFields; ++f) {
        const std::size_t space = text.find(' ', start);
        if (space == std::string_view::npos) {
            if (f < kGroupFields - 1 || start >= text.size()) return std::nullopt;
            g.field[f] = gbk::to_integer(text.substr(start));
            g.end = std::string_view::npos;
            return g;
        }
        g.field[f] = gbk::to_integer(text.substr(start, space - start));
        start = space + 1;
    }
    g.end = start;
    return g;
}

}  // namespace

std::optional<ReadStop> read_qq_record(std::string_view text, GameRecord& game, MoveList& list) {
    game.set_up_initial_position();

    const auto head = gbk::split(text, " ", 2);
    const int count = head.size() == 2 ? gbk::to_integer(head[1]) : 0;
    text.remove_prefix(std::min(text.size(), head[0].size() + (head.size() == 2 ? head[1].size() : 0) + 2));

    int turn = 0;
    for (int i = 1; i <= count; ++i) {
        const auto group = next_group(text);
        if (!group) return ReadStop{i, StopReason::TextEndsEarly, {}, count};
        const int* f = group->field;
        const int piece = f[0], side = f[2], from_row = f[3], from_column = f[4], to_row = f[5], to_column = f[6];
        const int skip = f[9];
        if (piece < 0 || piece > 31) return ReadStop{i, StopReason::PieceOutOfRange, {}, piece};
        if (!on_board(from_row, from_column) || !on_board(to_row, to_column))
            return ReadStop{i, StopReason::SquareOffBoard, {}, 0};
        if (skip < 0) return ReadStop{i, StopReason::BadSkipLength, {}, skip};

        MoveRecord move{static_cast<PieceCode>(piece), static_cast<std::uint8_t>(from_row),
                        static_cast<std::uint8_t>(from_column), 0, static_cast<std::uint8_t>(to_row),
                        static_cast<std::uint8_t>(to_column)};
        game.moves.push_back(move);
        // The writer describes the move on the position before it; then it is played.
        const std::string notation =
            move_notation(move.piece, side, from_row, from_column, to_row, to_column, game.reference);
        game.reference[from_row][from_column] = kEmpty;
        game.reference[to_row][to_column] = move.piece;
        if (i % 2 == 1)
            append_numbered_row(list, ++turn, notation);
        else
            append_plain_row(list, notation);

        if (group->end == std::string_view::npos) {
            text = {};
        } else {
            const std::size_t consumed = group->end + static_cast<std::size_t>(skip);
            text.remove_prefix(std::min(text.size(), consumed));
        }
    }
    return std::nullopt;
}

}  // namespace kelvara
