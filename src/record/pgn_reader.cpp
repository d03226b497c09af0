#include "record/pgn_reader.h"

#include "notation/notation_reader.h"
#include "platform/encoding.h"
#include "platform/gbk_literal.h"
#include "platform/text.h"
#include "board/fen.h"
#include "record/move_rows.h"
#include "record/pgn_scanner.h"

namespace kelvara {

std::optional<ReadStop> read_pgn_record(std::string_view bytes, GameRecord& game, MoveList& list) {
    // The text decides, not the byte-order mark: an editor may put the mark before GBK.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::string converted;
    if (looks_like_utf8(bytes)) {
        converted = utf8_to_gbk(bytes);
        bytes = converted;
    }
    const PgnGame pgn = scan_pgn(bytes);

    bool black_first = false;
    game.fen_start.clear();
    if (pgn.fen) {
        const auto parts = gbk::split(*pgn.fen, " ", 2);
        game.fen_start = std::string(parts[0]);
        black_first = parts.size() == 2 && parts[1] == "b";
    }
    if (pgn.event) game.title = *pgn.event;

    // The moves are played on the board position as a scratch position in standard
    // orientation; the start is put back at the end.
    game.load_standard_layout();
    if (!game.fen_start.empty()) {
        game.board = parse_fen_board(game.fen_start);
        game.reference = game.board;
    }
    std::optional<ReadStop> stop;
    int turn = 0;
    for (std::size_t k = 0; k < pgn.moves.size(); ++k) {
        const ScannedMove& m = pgn.moves[k];
        const bool red = (k % 2 == 0) != black_first;
        const bool played = red ? read_red_notation(m.token, game.board, game.moves)
                                : read_black_notation(m.token, game.board, game.moves);
        if (!played) {
            stop = ReadStop{static_cast<int>(k) + 1, StopReason::UnresolvedMove, m.written, 0};
            break;
        }
        if (red)
            append_numbered_row(list, ++turn, std::string("红："_gbk) + m.written);
        else
            append_plain_row(list, std::string("黑："_gbk) + m.written);
    }
    game.set_up_start_position();
    return stop;
}

}  // namespace kelvara
