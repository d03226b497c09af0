#pragma once
// What a move written in Chinese or WXF notation says, and the moves on a board that fit
// it. The notations only describe a move: which piece (its kind, its file, or where it
// stands among its like on a file), which way it goes, and how far or to which file. The
// board's legal moves decide which move that is.

#include <functional>
#include <vector>

#include "board/position.h"
#include "notation/notation_words.h"

namespace kelvara::notation {

// Where the piece stands among the pieces of its side and kind on its file.
enum class Among {
    Any,        // not said: any piece of the kind on the named file
    Front,      // 前, WXF ++ and a tandem file's +
    Middle,     // 中, WXF P. and a tandem file's repeated digit
    Rear,       // 后, WXF -- and a tandem file's -
    Ordinal,    // 一兵 … 五兵: numbered over the files that hold two or more, the mover's right file first
    WxfPlus,    // WXF P+: the front one, or the second of four or five
    WxfMinus,   // WXF P-: the rear one, or the second last of four or five
    WxfDigit,   // WXF P3: the piece on file 3, the middle one of three or five there
};

struct MoveDescription {
    PieceKind kind = PieceKind::None;  // None: not said (a pawn move written by place and file)
    int file = 0;                      // from-file counted from the mover's right, 1-9; 0: not said
    Among among = Among::Any;
    int ordinal = 0;                   // Among::Ordinal: 1-5, counted from the front
    Direction direction = Direction::Forward;
    int number = 0;                    // rows moved, or the destination file: 1-9
};

// Rows of side's pieces of the kind on the column, the front one first.
std::vector<int> like_on_file(const Position& board, Side side, PieceKind kind, int column);

// Which way a move of side goes, and the number the notations write for it: the rows
// moved for a king, chariot, cannon or pawn going forward or back, else the file it
// goes to.
Direction direction_of(Side side, Move move);
int number_of(Side side, PieceKind kind, Move move);

// The moves of side that fit: the legal ones, or when no legal move fits, those that the
// pieces' movement allows though they leave the general attacked (some records play on
// where a general could be taken).
std::vector<Move> moves_fitting(const Position& board, Side side, const std::function<bool(Move)>& fits);

// The moves of side on board that the description fits (moves_fitting), read strictly and
// then, when nothing fits, leniently: a WXF tandem sign as plain front or rear, an ordinal
// counted on the piece's own file, a horse, elephant or advisor going "sideways" as a
// retreat. One move: the description is that move; several: it is ambiguous; none: it is
// no move here.
std::vector<Move> moves_described(const MoveDescription& description, const Position& board, Side side);

}  // namespace kelvara::notation
