// Opening a record on any bytes under any file name, as the open button, a dropped file
// and the CLI do. Input layout: the file name's extension, then the file's bytes:
//   byte 0 below 0xC0: one of the extensions below; else its low 3 bits give the length
//   of an extension of the input's own bytes that follows.
// A file that is opened replaces the game whole; a file that is refused changes nothing.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/text.h"
#include "record/open_record.h"
#include "record_checks.h"

using namespace kelvara;

namespace {

constexpr std::string_view kExtensions[] = {".che", ".pgn", ".CHE", ".Pgn", ".pgn.che", ".che.pgn", ".txt", "", "."};

// A game already on screen, as a refused file must leave it.
void open_first_game(GameRecord& game, MoveList& list) {
    const auto outcome = open_record_bytes("1 2 25 32 1 2 1 2 4 0 1 0 5 32 0 9 1 7 2 0 2 0\n", "a.che", game, list);
    KELVARA_FUZZ_CHECK(outcome.opened);
    list.select(1);
    game.current_move = 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string name = "game";
    if (data[0] < 0xC0) {
        name += kExtensions[data[0] % std::size(kExtensions)];
    } else {
        const std::size_t n = std::min<std::size_t>(data[0] & 7, bytes.size());
        name += ".";
        name += bytes.substr(0, n);
        bytes.remove_prefix(n);
    }

    GameRecord game;
    game.flip_state = data[0] & 1;
    MoveList list;
    open_first_game(game, list);
    const GameRecord before = game;

    const OpenOutcome outcome = open_record_bytes(bytes, name, game, list);
    if (!outcome.opened) {
        KELVARA_FUZZ_CHECK(outcome.refusal == OpenOutcome::Refusal::NotARecord);
        KELVARA_FUZZ_CHECK(game.moves == before.moves && game.board == before.board && game.title == before.title);
        KELVARA_FUZZ_CHECK(game.current_move == 1 && list.selection() == 1 && list.row_count() == 2);
        return 0;
    }
    KELVARA_FUZZ_CHECK(game.loaded);
    KELVARA_FUZZ_CHECK(!game.moves.empty() || !game.fen_start.empty());
    KELVARA_FUZZ_CHECK(game.current_move == -1 && list.selection() == -1);
    KELVARA_FUZZ_CHECK(game.flip_state == before.flip_state);
    KELVARA_FUZZ_CHECK(game.file_name == name);
    KELVARA_FUZZ_CHECK(game.title.size() <= kTitleBytes);
    KELVARA_FUZZ_CHECK(gbk::cut_whole_chars(game.title, game.title.size()).size() == game.title.size());
    KELVARA_FUZZ_CHECK(outcome.caption.size() <= kCaptionBytes);
    fuzz::check_read(game, list, outcome.stop, outcome.stop ? game.moves.size() + 1 : game.moves.size());
    return 0;
}
