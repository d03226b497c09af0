#include "move_generator.h"

namespace kelvara::test {

namespace {

bool in_palace(bool red, Square s) {
    const bool rows = red ? s.row <= 2 : s.row >= 7;
    return on_board(s.row, s.column) && rows && s.column >= 3 && s.column <= 5;
}

// Red's half is rows 0-4, black's rows 5-9.
bool on_own_half(bool red, int row) { return red ? row <= 4 : row >= 5; }

class Generator {
public:
    Generator(const Position& board, std::vector<GeneratedMove>& out) : board_(board), out_(out) {}

    void piece_at(Square from) {
        const PieceCode code = board_[from.row][from.column];
        if (!is_piece(code)) return;
        from_ = from;
        code_ = code;
        red_ = is_red(code);
        switch (piece_kind(code)) {
        case PieceKind::King: steps({{1, 0}, {-1, 0}, {0, 1}, {0, -1}}, true); break;
        case PieceKind::Advisor: steps({{1, 1}, {1, -1}, {-1, 1}, {-1, -1}}, true); break;
        case PieceKind::Elephant: elephant(); break;
        case PieceKind::Horse: horse(); break;
        case PieceKind::Chariot: slide(false); break;
        case PieceKind::Cannon: slide(true); break;
        case PieceKind::Soldier: pawn(); break;
        case PieceKind::None: break;
        }
    }

private:
    bool empty(Square s) const { return board_[s.row][s.column] == kEmpty; }
    bool enemy(Square s) const {
        const PieceCode code = board_[s.row][s.column];
        return is_piece(code) && is_red(code) != red_;
    }
    void add(Square to) {
        if (on_board(to.row, to.column) && (empty(to) || enemy(to))) out_.push_back({code_, from_, to});
    }

    void steps(std::initializer_list<Square> deltas, bool palace) {
        for (const Square d : deltas) {
            const Square to{from_.row + d.row, from_.column + d.column};
            if (!palace || in_palace(red_, to)) add(to);
        }
    }

    void elephant() {
        for (const int dr : {-1, 1})
            for (const int dc : {-1, 1}) {
                const Square eye{from_.row + dr, from_.column + dc};
                const Square to{from_.row + 2 * dr, from_.column + 2 * dc};
                if (on_board(to.row, to.column) && on_own_half(red_, to.row) && empty(eye)) add(to);
            }
    }

    void horse() {
        constexpr Square kJumps[] = {{2, 1}, {2, -1}, {-2, 1}, {-2, -1}, {1, 2}, {-1, 2}, {1, -2}, {-1, -2}};
        for (const Square d : kJumps) {
            const Square to{from_.row + d.row, from_.column + d.column};
            // The leg is the orthogonal neighbour in the long direction of the jump.
            const Square leg = d.row == 2 || d.row == -2 ? Square{from_.row + d.row / 2, from_.column}
                                                         : Square{from_.row, from_.column + d.column / 2};
            if (on_board(to.row, to.column) && empty(leg)) add(to);
        }
    }

    void slide(bool cannon) {
        for (const Square d : {Square{1, 0}, Square{-1, 0}, Square{0, 1}, Square{0, -1}}) {
            Square to{from_.row + d.row, from_.column + d.column};
            while (on_board(to.row, to.column) && empty(to)) {
                add(to);
                to = {to.row + d.row, to.column + d.column};
            }
            if (!cannon) {
                if (on_board(to.row, to.column)) add(to);
                continue;
            }
            // A cannon captures only over exactly one screen.
            to = {to.row + d.row, to.column + d.column};
            while (on_board(to.row, to.column) && empty(to)) to = {to.row + d.row, to.column + d.column};
            if (on_board(to.row, to.column) && enemy(to)) add(to);
        }
    }

    void pawn() {
        const int forward = red_ ? 1 : -1;
        add({from_.row + forward, from_.column});
        if (!on_own_half(red_, from_.row)) {
            add({from_.row, from_.column + 1});
            add({from_.row, from_.column - 1});
        }
    }

    const Position& board_;
    std::vector<GeneratedMove>& out_;
    Square from_{};
    PieceCode code_ = 0;
    bool red_ = false;
};

}  // namespace

std::vector<GeneratedMove> generate_moves(const Position& board) {
    std::vector<GeneratedMove> moves;
    Generator generator(board, moves);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) generator.piece_at({r, c});
    return moves;
}

}  // namespace kelvara::test
