#include "record_checks.h"

#include "fuzz_check.h"
#include "notation/text_record.h"
#include "platform/encoding.h"
#include "platform/text.h"

namespace kelvara::fuzz {

bool holds_only_pieces(const Position& position) {
    for (const auto& row : position)
        for (const PieceCode code : row)
            if (!is_piece(code) && code != kEmpty) return false;
    return true;
}

void check_read(const GameRecord& game, const MoveList& list, const std::optional<ReadStop>& stop,
                std::size_t announced) {
    KELVARA_FUZZ_CHECK(game.moves.size() == static_cast<std::size_t>(list.row_count()));
    KELVARA_FUZZ_CHECK(holds_only_pieces(game.board));
    KELVARA_FUZZ_CHECK(holds_only_pieces(game.reference));

    for (const MoveRecord& m : game.moves) {
        KELVARA_FUZZ_CHECK(is_piece(m.piece));
        KELVARA_FUZZ_CHECK(on_board(m.from_row, m.from_column) && on_board(m.to_row, m.to_column));
        KELVARA_FUZZ_CHECK(m.captured == 0);
    }

    for (const MoveRow& row : list.rows()) {
        KELVARA_FUZZ_CHECK(row.colour == kRedRow || row.colour == kGreyRow);
        KELVARA_FUZZ_CHECK(gbk::cut_whole_chars(row.text, row.text.size()).size() == row.text.size());
    }

    if (stop) {
        KELVARA_FUZZ_CHECK(game.moves.size() < announced);
        KELVARA_FUZZ_CHECK(stop->move >= 1 && static_cast<std::size_t>(stop->move) == game.moves.size() + 1);
        KELVARA_FUZZ_CHECK(!describe(*stop).empty());
        (void)gbk_to_utf8(describe(*stop));
    } else {
        KELVARA_FUZZ_CHECK(game.moves.size() == announced);
    }

    // What the copy command and the CLI make of the rows, for any rows.
    (void)gbk_to_utf8(text_record(list.rows()));
}

Position replay(const std::vector<MoveRecord>& moves, Position start, bool pieces_must_stand) {
    for (const MoveRecord& m : moves) {
        const PieceCode standing = start[m.from_row][m.from_column];
        if (pieces_must_stand)
            KELVARA_FUZZ_CHECK(is_piece(standing) && is_red(standing) == is_red(m.piece) &&
                               piece_kind(standing) == piece_kind(m.piece));
        start[m.from_row][m.from_column] = kEmpty;
        start[m.to_row][m.to_column] = m.piece;
    }
    return start;
}

}  // namespace kelvara::fuzz
