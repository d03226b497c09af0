#pragma once
// The lines an engine writes, read into values. UCI and UCCI share the words that matter
// here (id, option, info, bestmove); where they differ both forms are read. Engines are
// other people's programs: a line that does not parse is nothing, never an error.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

// A score as engines give it: from the side to move's point of view.
struct EngineScore {
    enum class Kind { Centipawns, Mate } kind = Kind::Centipawns;
    int value = 0;  // centipawns, or moves until mate (negative: the side to move is mated)
    friend bool operator==(const EngineScore&, const EngineScore&) = default;
};

// One "info" line; what the line does not say stays at its default.
struct EngineInfo {
    int depth = 0;
    int multipv = 1;
    std::optional<EngineScore> score;
    bool bound = false;  // the score is only a lower or upper bound of a search in progress
    std::int64_t nodes = -1;
    std::vector<std::string> pv;  // the moves as the engine wrote them
};

// "bestmove MOVE [ponder MOVE]"; an empty move for "bestmove (none)" and UCCI's
// "nobestmove": the side to move has no move.
struct BestMoveReply {
    std::string move;
};

// "option name NAME type TYPE [var CHOICE]..." (UCI) or "option NAME type TYPE ..." (UCCI).
struct EngineOption {
    std::string name;
    std::string type;
    std::vector<std::string> choices;  // the var values of a combo
};

std::optional<EngineInfo> parse_info_line(std::string_view line);
std::optional<BestMoveReply> parse_bestmove_line(std::string_view line);
std::optional<EngineOption> parse_option_line(std::string_view line);
// The name of "id name NAME".
std::optional<std::string> parse_id_name(std::string_view line);

// The line split at runs of spaces and tabs.
std::vector<std::string_view> words_of(std::string_view line);

}  // namespace kelvara
