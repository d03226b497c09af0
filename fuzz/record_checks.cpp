#include "record_checks.h"

#include "board/fen.h"
#include "board/layouts.h"
#include "fuzz_check.h"
#include "notation/text_record.h"
#include "platform/encoding.h"
#include "platform/text.h"
#include "record/open_record.h"
#include "record/pgn_reader.h"

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

namespace {

// Each move of the line from the position before it, and its alternatives from the same
// position; a line holds at least one move.
void replay_line(const Line& line, Position board) {
    KELVARA_FUZZ_CHECK(!line.empty());
    for (const LineMove& m : line) {
        KELVARA_FUZZ_CHECK(is_piece(m.move.piece) && board[m.move.from_row][m.move.from_column] == m.move.piece);
        KELVARA_FUZZ_CHECK(on_board(m.move.to_row, m.move.to_column));
        KELVARA_FUZZ_CHECK(gbk::cut_whole_chars(m.text, m.text.size()).size() == m.text.size());
        for (const Line& alternative : m.notes.alternatives) replay_line(alternative, board);
        board[m.move.from_row][m.move.from_column] = kEmpty;
        board[m.move.to_row][m.move.to_column] = m.move.piece;
    }
}

}  // namespace

void check_pgn_reading(std::string_view bytes, int flip_state) {
    const std::vector<GameSummary> games = list_pgn_games(bytes);
    const int index = games.empty() ? 0 : static_cast<int>(bytes.size() % games.size());
    GameRecord game;
    game.flip_state = flip_state;
    MoveList list;
    const auto stop = read_pgn_record(bytes, game, list, index);

    const std::size_t announced = games.empty() ? 0 : static_cast<std::size_t>(games[index].plies);
    check_read(game, list, stop, announced);
    if (stop) KELVARA_FUZZ_CHECK(stop->reason == StopReason::UnresolvedMove || stop->reason == StopReason::AmbiguousMove);
    KELVARA_FUZZ_CHECK(game.notes.size() <= game.moves.size());

    const Position start = game.fen_start.empty() ? layouts::kStandardLayout : parse_fen_board(game.fen_start);
    Position board = start;
    for (std::size_t i = 0; i < game.moves.size(); ++i) {
        for (const Line& alternative : game.notes_of(i).alternatives) replay_line(alternative, board);
        board = replay({game.moves[i]}, board, true);
    }
    if (game.fen_start.empty())
        KELVARA_FUZZ_CHECK(game.board == (game.flip_state ? layouts::kFlippedLayout : layouts::kStandardLayout));
    else
        KELVARA_FUZZ_CHECK(game.board == (game.flip_state ? rotated(start) : start));

    std::string title = game.title;
    cut_title(title);
    KELVARA_FUZZ_CHECK(title.size() <= kTitleBytes);
    KELVARA_FUZZ_CHECK(recognises_pgn(bytes) || game.moves.empty());  // what gives moves is a record
}

}  // namespace kelvara::fuzz
