#include "record/tree_game.h"

#include "board/fen.h"
#include "board/layouts.h"
#include "board/rules.h"
#include "notation/iccs_notation.h"
#include "notation/move_notation.h"
#include "record/move_rows.h"

namespace kelvara {

namespace {

bool same_arrangement(const Position& a, const Position& b) {
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (side_of(a[r][c]) != side_of(b[r][c]) || piece_kind(a[r][c]) != piece_kind(b[r][c])) return false;
    return true;
}

// Why the node's move cannot be played on board by side; nullopt when it can.
std::optional<StopReason> fault_of(const MoveTree::Node& node, const Position& board, Side side) {
    if (!node.readable) return StopReason::RecordBreaksOff;
    if (!on_board(node.move.from) || !on_board(node.move.to)) return StopReason::SquareOffBoard;
    if (!belongs_to(at(board, node.move.from), side)) return StopReason::NoPieceToMove;
    if (!is_legal_move(board, side, node.move)) return StopReason::IllegalMove;
    return std::nullopt;
}

// The move in ICCS for a stop's message; a square off the board shows as "??".
std::string written_move(Move m) {
    const auto square = [](Square s) {
        return on_board(s) ? notation::iccs_move_text(Move{s, s}).substr(0, 2) : std::string("??");
    };
    return square(m.from) + "-" + square(m.to);
}

class TreeLoader {
public:
    TreeLoader(const MoveTree& tree, Side first) : tree_(tree), first_(first) {}

    // The move's row as the move list shows it ("2.红：马二进三", "黑：炮8平5"), in
    // Chinese notation as the writer writes it.
    std::string row_of(const Position& board, Side side, int ply, Move m) const {
        const std::string text = move_notation(at(board, m.from), side == Side::Red ? 1 : 0, m.from.row,
                                               m.from.column, m.to.row, m.to.column, board);
        return row_text(side, ply, first_, text);
    }

    // The lines that start at node and at each of its next siblings, played from board.
    void add_alternatives(int node, const Position& board, Side side, int ply, int nesting,
                          std::vector<Line>& out) const {
        if (nesting > kMaxLineNesting) return;
        for (int s = node; s != -1; s = at_index(s).next_sibling) {
            Line line = line_from(s, board, side, ply, nesting);
            if (!line.empty()) out.push_back(std::move(line));
        }
    }

    const MoveTree::Node& at_index(int i) const { return tree_.nodes[static_cast<std::size_t>(i)]; }

private:
    // The line from node along first children, ending before a move that cannot be played.
    // The alternatives of its first move are its siblings, which the caller lists.
    Line line_from(int node, Position board, Side side, int ply, int nesting) const {
        Line line;
        for (int n = node; n != -1; n = at_index(n).first_child, ++ply) {
            const MoveTree::Node& m = at_index(n);
            if (fault_of(m, board, side)) break;
            LineMove lm{move_record(board, m.move), row_of(board, side, ply, m.move), {m.comment, {}}};
            if (n != node) add_alternatives(m.next_sibling, board, side, ply, nesting + 1, lm.notes.alternatives);
            line.push_back(std::move(lm));
            make_move(board, m.move);
            side = opponent(side);
        }
        return line;
    }

    const MoveTree& tree_;
    Side first_;
};

}  // namespace

void set_record_start(GameRecord& game, const Position& start) {
    if (same_arrangement(start, kStandardLayout)) {
        game.fen_start.clear();
        game.reference = kStandardLayout;
    } else {
        game.fen_start = fen_board(start);
        game.reference = parse_fen_board(game.fen_start);
    }
}

ReadStop no_game_read(GameRecord& game) {
    set_record_start(game, kStandardLayout);
    game.set_up_start_position();
    return ReadStop{1, StopReason::RecordBreaksOff, {}, 0};
}

std::optional<ReadStop> load_move_tree(const MoveTree& tree, GameRecord& game, MoveList& list, Side side_hint) {
    game.start_comment = tree.root().comment;
    Position board = game.fen_start.empty() ? kStandardLayout : game.reference;

    Side side = side_hint;
    if (const int first = tree.root().first_child; first != -1) {
        const MoveTree::Node& n = tree.nodes[static_cast<std::size_t>(first)];
        if (n.readable && on_board(n.move.from))
            if (const auto owner = side_of(at(board, n.move.from))) side = *owner;
    }
    game.first_to_move = side;
    const TreeLoader loader(tree, side);

    std::optional<ReadStop> stop;
    for (int n = tree.root().first_child, i = 0; n != -1; n = loader.at_index(n).first_child, ++i) {
        const MoveTree::Node& m = loader.at_index(n);
        if (const auto fault = fault_of(m, board, side)) {
            stop = ReadStop{i + 1, *fault, m.readable ? written_move(m.move) : std::string(), 0};
            break;
        }
        MoveNotes notes{m.comment, {}};
        loader.add_alternatives(m.next_sibling, board, side, i, 1, notes.alternatives);
        list.append(loader.row_of(board, side, i, m.move), side == Side::Red ? kRedRow : kGreyRow,
                    !notes.alternatives.empty());
        game.moves.push_back(move_record(board, m.move));
        if (!notes.empty()) game.notes_for(static_cast<std::size_t>(i)) = std::move(notes);
        make_move(board, m.move);
        side = opponent(side);
    }
    game.set_up_start_position();
    return stop;
}

}  // namespace kelvara
