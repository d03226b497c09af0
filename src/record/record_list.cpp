#include "record/record_list.h"

#include "record/tree_game.h"

namespace kelvara {

std::vector<GameSummary> summarise_records(std::span<const std::string_view> records, RecordReader read) {
    std::vector<GameSummary> games;
    for (const std::string_view record : records) {
        GameRecord game;
        MoveList list;
        read(record, game, list);
        games.push_back({static_cast<int>(games.size()) + 1, game.title, game.info.red, game.info.black,
                         game.info.result, static_cast<int>(game.moves.size())});
    }
    return games;
}

std::optional<ReadStop> read_listed_record(std::span<const std::string_view> records, int index, GameRecord& game,
                                           MoveList& list, RecordReader read) {
    if (index < 0 || static_cast<std::size_t>(index) >= records.size()) return no_game_read(game);
    return read(records[static_cast<std::size_t>(index)], game, list);
}

}  // namespace kelvara
