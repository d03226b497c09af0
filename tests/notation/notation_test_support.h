#pragma once
// Reading one token on a board, for the notation tests.

#include <optional>
#include <string>

#include "board/position.h"
#include "notation/notation.h"
#include "support/test_support.h"

namespace kelvara::test {

// The one move the token (UTF-8 here, GBK to the reader) means; nullopt when it means
// none or several.
inline std::optional<Move> read_one(notation::Notation n, Side side, const std::string& utf8, const Position& board,
                                    notation::ReadOptions options = {}) {
    const auto r = notation::read_move(n, G(utf8), board, side, options);
    if (!r.resolved()) return std::nullopt;
    return r.candidates.front();
}

inline Move mv(int r1, int c1, int r2, int c2) { return Move{{r1, c1}, {r2, c2}}; }

}  // namespace kelvara::test
