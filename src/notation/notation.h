#pragma once
// The move notations Kelvara reads and writes, behind one interface: a token, a board and
// the side to move give the moves the token can mean; a move on a board gives its text.
//
// Readers: Chinese (chinese_notation.h), WXF (wxf_notation.h), ICCS and coordinates
// (iccs_notation.h), WinBoard and pychess algebraic (algebraic_notation.h).
// Writers: Chinese simplified and traditional, WXF, ICCS.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/position.h"

namespace kelvara::notation {

enum class Notation { Chinese, Wxf, Iccs, Algebraic };

// "chinese", "wxf", "iccs", "algebraic": the names records and the command line use.
std::string_view notation_name(Notation notation);
// The notation a name (in any case) or a PGN [Format] value stands for.
std::optional<Notation> notation_named(std::string_view name);

struct ReadOptions {
    int rank_base = 0;  // algebraic: red's back rank is rank 0 (WinBoard) or 1 (pychess)
};

struct MoveReading {
    bool well_formed = false;      // the token is a move of the notation at all
    std::vector<Move> candidates;  // what it can mean here: one move, none, or several
    bool resolved() const { return candidates.size() == 1; }
    bool ambiguous() const { return candidates.size() > 1; }
};

// Whether the token has the form of a move of the notation; the board is not asked.
bool is_move_token(Notation notation, std::string_view token);

// token: one move as moves_in_word gives it (GBK). A twin named by its file is the twin
// that can make the move legally; a coordinate move needs the side's piece on its
// from-square and a move that piece can make.
MoveReading read_move(Notation notation, std::string_view token, const Position& board, Side side,
                      ReadOptions options = {});

enum class MoveWriting { Chinese, ChineseTraditional, Wxf, Iccs };

// "chinese", "traditional", "wxf", "iccs".
std::optional<MoveWriting> move_writing_named(std::string_view name);

// The move, whose piece stands on board, as a record of that notation writes it:
// 炮二平五 / 马８进７ (black's digits full width), 炮二平五 / 馬８進７, C2.5, H2-E2.
// "" when no piece stands on the from-square.
std::string write_move(MoveWriting writing, const Position& board, Move move);

}  // namespace kelvara::notation
