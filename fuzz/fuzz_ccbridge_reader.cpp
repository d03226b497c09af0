// The CBR and CBL readers on any bytes: the input is read as a CBR record and as a CBL
// library whose every offered game is read and must match its listing. A library's index
// lies past 65 KiB of header texts; an input that lacks the library's magic is taken for
// the rest of the header's first 64 bytes followed by what comes after those texts, so
// that small inputs reach the index and the records.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "record/cbr_reader.h"
#include "tree_checks.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const int flip = static_cast<int>(size & 1);
    {
        GameRecord game;
        game.flip_state = flip;
        MoveList list;
        const auto stop = read_cbr_record(input, game, list);
        fuzz::check_tree_read(game, list, stop);
    }

    std::string library = input;
    if (!looks_like_cbl(library)) {
        constexpr std::size_t kHeaderStart = 64, kIndexStart = 66624;
        library = std::string("CCBridgeLibrary\0", 16) + input.substr(0, kHeaderStart - 16);
        library.resize(kIndexStart, '\0');
        if (input.size() > kHeaderStart - 16) library += input.substr(kHeaderStart - 16);
    }
    const auto games = list_cbl_games(library);
    for (std::size_t i = 0; i < games.size(); ++i) {
        KELVARA_FUZZ_CHECK(games[i].number == static_cast<int>(i) + 1);
        GameRecord game;
        game.flip_state = flip;
        MoveList list;
        const auto stop = read_cbl_game(library, static_cast<int>(i), game, list);
        fuzz::check_tree_read(game, list, stop);
        KELVARA_FUZZ_CHECK(static_cast<int>(game.moves.size()) == games[i].plies);
        KELVARA_FUZZ_CHECK(game.title == games[i].title);
    }
    return 0;
}
