// The PGN record reader on any bytes, GBK or UTF-8. The input's length decides the flip
// state, so every seed is read both ways as the fuzzer grows and shrinks it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/encoding.h"
#include "board/fen.h"
#include "board/layouts.h"
#include "record/open_record.h"
#include "record/pgn_reader.h"
#include "record/pgn_scanner.h"
#include "record_checks.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    GameRecord game;
    game.flip_state = static_cast<int>(size & 1);
    MoveList list;
    const auto stop = read_pgn_record(bytes, game, list);

    // Every move the scanner finds is either read or the one the reader stopped at.
    const std::string_view text = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    const std::string gbk = looks_like_utf8(text) ? utf8_to_gbk(text) : std::string(text);
    fuzz::check_read(game, list, stop, scan_pgn(gbk).moves.size());
    if (stop) KELVARA_FUZZ_CHECK(stop->reason == StopReason::UnresolvedMove);

    // The moves replay from the start, each piece found where the reader took it from; the
    // board is put back at the start for the flip state.
    const Position start = game.fen_start.empty() ? layouts::kStandardLayout : parse_fen_board(game.fen_start);
    fuzz::replay(game.moves, start, true);
    if (game.fen_start.empty())
        KELVARA_FUZZ_CHECK(game.board == (game.flip_state ? layouts::kFlippedLayout : layouts::kStandardLayout));
    else
        KELVARA_FUZZ_CHECK(game.board == (game.flip_state ? rotated(start) : start));

    // The title as open record keeps it: cut at a whole character.
    std::string title = game.title;
    cut_title(title);
    KELVARA_FUZZ_CHECK(title.size() <= kTitleBytes);
    return 0;
}
