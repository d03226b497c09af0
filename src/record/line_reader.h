#pragma once
// Reads a line of moves written in one notation: each token resolved on the board as it
// stands after the moves before it, and played. A token that can mean two moves (a plain
// file where twins both can go there) is the move after which the line reads on: the
// tokens that follow are tried after each, and the one move that lets the line go further
// is taken. When the moves go equally far, the token stays ambiguous and the line stops.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "board/position.h"
#include "notation/notation.h"

namespace kelvara {

struct LineRead {
    std::vector<Move> moves;             // the moves read, one per token up to the stop
    std::optional<std::size_t> stopped;  // the token that could not be read
    bool ambiguous = false;              // it could mean several moves (else none)
};

LineRead read_line(notation::Notation notation, std::span<const std::string> tokens, Position board, Side side,
                   notation::ReadOptions options = {});

}  // namespace kelvara
