#include "notation/notation.h"

#include "board/rules.h"
#include "notation/algebraic_notation.h"
#include "notation/chinese_notation.h"
#include "notation/iccs_notation.h"
#include "notation/wxf_notation.h"
#include "platform/text.h"

namespace kelvara::notation {

namespace {

struct Named {
    std::string_view name;
    Notation notation;
};
// The first name of each notation is the one written.
constexpr Named kNames[] = {
    {"chinese", Notation::Chinese}, {"wxf", Notation::Wxf},     {"iccs", Notation::Iccs},
    {"algebraic", Notation::Algebraic}, {"ucci", Notation::Iccs}, {"axf", Notation::Wxf},
    {"winboard", Notation::Algebraic},
};

struct NamedWriting {
    std::string_view name;
    MoveWriting writing;
};
constexpr NamedWriting kWritings[] = {
    {"chinese", MoveWriting::Chinese},
    {"traditional", MoveWriting::ChineseTraditional},
    {"wxf", MoveWriting::Wxf},
    {"iccs", MoveWriting::Iccs},
};

// A coordinate move needs the side's piece on its from-square, going as it can go.
std::vector<Move> coordinate_candidates(Move move, const Position& board, Side side) {
    if (!belongs_to(at(board, move.from), side)) return {};
    return moves_fitting(board, side, [move](Move m) { return m == move; });
}

}  // namespace

std::string_view notation_name(Notation notation) {
    for (const Named& n : kNames)
        if (n.notation == notation) return n.name;
    return {};
}

std::optional<Notation> notation_named(std::string_view name) {
    const std::string lower = gbk::to_lower_ascii(name);
    for (const Named& n : kNames)
        if (n.name == lower) return n.notation;
    return std::nullopt;
}

bool is_move_token(Notation notation, std::string_view token) {
    switch (notation) {
        case Notation::Chinese: return parse_chinese_move(token).has_value();
        case Notation::Wxf: return parse_wxf_move(token).has_value();
        case Notation::Iccs: return parse_iccs_move(token).has_value();
        case Notation::Algebraic: return parse_algebraic_move(token).has_value();
    }
    return false;
}

MoveReading read_move(Notation notation, std::string_view token, const Position& board, Side side,
                      ReadOptions options) {
    MoveReading reading;
    switch (notation) {
        case Notation::Chinese:
            if (const auto d = parse_chinese_move(token)) {
                reading.well_formed = true;
                reading.candidates = moves_described(*d, board, side);
            }
            break;
        case Notation::Wxf:
            if (const auto d = parse_wxf_move(token)) {
                reading.well_formed = true;
                reading.candidates = moves_described(*d, board, side);
            }
            break;
        case Notation::Iccs:
            if (const auto m = parse_iccs_move(token)) {
                reading.well_formed = true;
                reading.candidates = coordinate_candidates(*m, board, side);
            }
            break;
        case Notation::Algebraic:
            if (const auto m = parse_algebraic_move(token)) {
                reading.well_formed = true;
                reading.candidates = moves_algebraic(*m, board, side, options.rank_base);
            }
            break;
    }
    return reading;
}

std::optional<MoveWriting> move_writing_named(std::string_view name) {
    const std::string lower = gbk::to_lower_ascii(name);
    for (const NamedWriting& w : kWritings)
        if (w.name == lower) return w.writing;
    return std::nullopt;
}

std::string write_move(MoveWriting writing, const Position& board, Move move) {
    if (!on_board(move.from) || !on_board(move.to) || !is_piece(at(board, move.from))) return {};
    switch (writing) {
        case MoveWriting::Chinese: return chinese_move_text(board, move, {Script::Simplified, true});
        case MoveWriting::ChineseTraditional: return chinese_move_text(board, move, {Script::Traditional, true});
        case MoveWriting::Wxf: return wxf_move_text(board, move);
        case MoveWriting::Iccs: return iccs_move_text(move);
    }
    return {};
}

}  // namespace kelvara::notation
