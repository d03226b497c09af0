#include "tree_checks.h"

#include "board/fen.h"
#include "board/layouts.h"
#include "board/rules.h"
#include "fuzz_check.h"
#include "record/tree_game.h"
#include "record_checks.h"

namespace kelvara::fuzz {

namespace {

void check_line(const Line& line, Position board, Side side, int nesting) {
    KELVARA_FUZZ_CHECK(nesting <= kMaxLineNesting);
    KELVARA_FUZZ_CHECK(!line.empty());
    for (const LineMove& m : line) {
        const Move move{m.move.from(), m.move.to()};
        KELVARA_FUZZ_CHECK(m.move == move_record(board, move));
        KELVARA_FUZZ_CHECK(is_legal_move(board, side, move));
        KELVARA_FUZZ_CHECK(!m.text.empty());
        for (const Line& alternative : m.notes.alternatives) check_line(alternative, board, side, nesting + 1);
        make_move(board, move);
        side = opponent(side);
    }
}

}  // namespace

void check_tree_read(const GameRecord& game, const MoveList& list, const std::optional<ReadStop>& stop) {
    check_read(game, list, stop, game.moves.size() + (stop ? 1 : 0));
    KELVARA_FUZZ_CHECK(game.notes.size() <= game.moves.size());

    const Position start = game.fen_start.empty() ? layouts::kStandardLayout : parse_fen_board(game.fen_start);
    KELVARA_FUZZ_CHECK(game.fen_start.empty() || game.reference == start);
    KELVARA_FUZZ_CHECK(game.board == (game.flip_state ? (game.fen_start.empty() ? layouts::kFlippedLayout
                                                                                : rotated(start))
                                                      : start));
    Line main_line;
    for (std::size_t i = 0; i < game.moves.size(); ++i) main_line.push_back({game.moves[i], "-", game.notes_of(i)});
    if (!main_line.empty()) check_line(main_line, start, game.first_to_move, 0);

    // Red's rows carry the turn number and are red; black's are grey.
    Side side = game.first_to_move;
    for (const MoveRow& row : list.rows()) {
        KELVARA_FUZZ_CHECK(row.colour == (side == Side::Red ? kRedRow : kGreyRow));
        side = opponent(side);
    }
}

}  // namespace kelvara::fuzz
