// The DhtmlXQ reader on any text, GBK or UTF-8: every record the text offers is read and
// must match its listing.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "record/dhtmlxq_reader.h"
#include "tree_checks.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto games = list_dhtmlxq_games(text);
    for (std::size_t i = 0; i < games.size(); ++i) {
        GameRecord game;
        game.flip_state = static_cast<int>((size + i) & 1);
        MoveList list;
        const auto stop = read_dhtmlxq_game(text, static_cast<int>(i), game, list);
        fuzz::check_tree_read(game, list, stop);
        KELVARA_FUZZ_CHECK(static_cast<int>(game.moves.size()) == games[i].plies);
    }
    return 0;
}
