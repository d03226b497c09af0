#pragma once
// Why a reader stopped before the end of a record. The reader keeps the moves before the
// stop; the shells tell the user (the GUI in a message box, the CLI on standard error).

#include <string>

namespace kelvara {

enum class StopReason {
    PieceOutOfRange,   // QQ: the piece field is not a code 0-31
    SquareOffBoard,    // QQ and coordinates: a from or to square lies outside the board
    BadSkipLength,     // QQ: a negative length of extra text
    TextEndsEarly,     // QQ: the text ends before the announced number of moves
    NotANumber,        // QQ: a field of the group is not a decimal number
    StandsStill,       // QQ: the from-square is the to-square
    PieceNotOnSquare,  // QQ: the piece the group names does not stand on its from-square
    WrongSide,         // QQ: the piece belongs to the other side than the group gives
    UnresolvedMove,    // PGN: the move cannot be found on the board
    AmbiguousMove,     // PGN: the move fits two pieces and the record does not tell which
    NoPieceToMove,     // coordinates: the from-square holds no piece of the side to move
    IllegalMove,       // coordinates: the rules do not allow the move
    RecordBreaksOff,   // binary and web records: the data ends or is damaged inside a move
};

struct ReadStop {
    int move = 0;          // 1-based number of the move that could not be read
    StopReason reason{};
    std::string written;   // what the file wrote there (GBK): the PGN move, the move read
                           // from squares in ICCS ("H2-E2"), or the QQ field (the piece,
                           // the announced number of moves, the field that is no number)
    int value = 0;         // QQ: the offending field (saturated), its 1-based place for
                           // NotANumber, the side field for WrongSide (0 black, else red)
};

// A one-line GBK description naming the move, for messages and the CLI's JSON.
std::string describe(const ReadStop& stop);

}  // namespace kelvara
