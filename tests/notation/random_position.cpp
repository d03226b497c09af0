#include "random_position.h"

#include <vector>

namespace kelvara::test {

namespace {

struct KindRule {
    int first_code;  // black code; red adds 16
    int last_code;
    int most;        // how many a side has
};

constexpr KindRule kKinds[] = {
    {0, 0, 1},    // king
    {1, 2, 2},    // advisors
    {3, 4, 2},    // elephants
    {5, 6, 2},    // horses
    {7, 8, 2},    // chariots
    {9, 10, 2},   // cannons
    {11, 15, 5},  // pawns
};

constexpr Square kRedAdvisorPoints[] = {{0, 3}, {0, 5}, {1, 4}, {2, 3}, {2, 5}};
constexpr Square kRedElephantPoints[] = {{0, 2}, {0, 6}, {2, 0}, {2, 4}, {2, 8}, {4, 2}, {4, 6}};

// Red's squares for a kind; black's are the mirror image across the river.
bool allowed(int kind_index, bool red, Square s) {
    const int row = red ? s.row : kRows - 1 - s.row;
    const Square own{row, s.column};
    switch (kind_index) {
    case 0: return row <= 2 && s.column >= 3 && s.column <= 5;
    case 1:
        for (const Square p : kRedAdvisorPoints)
            if (p == own) return true;
        return false;
    case 2:
        for (const Square p : kRedElephantPoints)
            if (p == own) return true;
        return false;
    // Before the river a pawn has only gone straight up its starting file.
    case 6: return row >= 5 || ((row == 3 || row == 4) && s.column % 2 == 0);
    default: return true;
    }
}

}  // namespace

Position random_position(std::mt19937& random) {
    Position board;
    for (auto& row : board) row.fill(kEmpty);
    const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const int favoured[2] = {below(kColumns), below(kColumns)};
    const bool crowd = below(2) == 0;

    for (const bool red : {true, false}) {
        for (int k = 0; k < static_cast<int>(std::size(kKinds)); ++k) {
            const KindRule& kind = kKinds[k];
            const int count = k == 0 ? 1 : below(kind.most + 1);
            for (int n = 0; n < count; ++n) {
                std::vector<Square> free, favoured_free;
                for (int r = 0; r < kRows; ++r)
                    for (int c = 0; c < kColumns; ++c)
                        if (board[r][c] == kEmpty && allowed(k, red, {r, c})) {
                            free.push_back({r, c});
                            if (c == favoured[0] || c == favoured[1]) favoured_free.push_back({r, c});
                        }
                const std::vector<Square>& pool = crowd && !favoured_free.empty() && below(4) != 0 ? favoured_free : free;
                if (pool.empty()) continue;
                const Square s = pool[below(static_cast<int>(pool.size()))];
                const int code = kind.first_code + below(kind.last_code - kind.first_code + 1) + (red ? 16 : 0);
                board[s.row][s.column] = static_cast<PieceCode>(code);
            }
        }
    }
    return board;
}

}  // namespace kelvara::test
