#include "record/tree_game.h"

#include <gtest/gtest.h>

#include "board/layouts.h"
#include "board/rules.h"
#include "game_dump.h"

namespace kelvara {
namespace {

int deepest_nesting(const Line& line, int depth) {
    int deepest = depth;
    for (const LineMove& m : line)
        for (const Line& alternative : m.notes.alternatives)
            deepest = std::max(deepest, deepest_nesting(alternative, depth + 1));
    return deepest;
}

TEST(TreeGame, TheStandardArrangementIsNoFenWhateverCodesItsPiecesHave) {
    GameRecord game;
    Position same_kinds = kStandardLayout;
    std::swap(same_kinds[0][0], same_kinds[0][8]);  // the two red chariots' codes
    same_kinds[0][1] = piece_code(Side::Red, PieceKind::Horse);
    set_record_start(game, same_kinds);
    EXPECT_TRUE(game.fen_start.empty());
    EXPECT_EQ(game.reference, kStandardLayout);

    Position other = kStandardLayout;
    other[0][1] = kEmpty;
    set_record_start(game, other);
    EXPECT_EQ(game.fen_start, "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKAB1R");
}

// A tree whose every alternative holds the next one, 300 deep: each line plays one
// move, then a move that has the next line's first move as its sibling.
TEST(TreeGame, AlternativesNestedDeeperThanTheLimitAreLeftOut) {
    MoveTree tree;
    Position board = kStandardLayout;
    Side side = Side::Red;
    auto play = [&](int parent, int choice) {
        const std::vector<Move> moves = legal_moves(board, side);
        return tree.add_child(parent, moves.at(static_cast<std::size_t>(choice)));
    };
    int node = play(0, 0);
    make_move(board, tree.nodes[static_cast<std::size_t>(node)].move);
    side = opponent(side);
    for (int depth = 0; depth < 300; ++depth) {
        const int continuation = play(node, 0);
        const int alternative = play(node, 1);  // the next line starts here
        (void)continuation;
        make_move(board, tree.nodes[static_cast<std::size_t>(alternative)].move);
        side = opponent(side);
        node = alternative;
    }
    GameRecord game;
    MoveList list;
    set_record_start(game, kStandardLayout);
    EXPECT_FALSE(load_move_tree(tree, game, list));
    Line main_line;
    for (std::size_t i = 0; i < game.moves.size(); ++i) main_line.push_back({game.moves[i], {}, game.notes_of(i)});
    EXPECT_EQ(deepest_nesting(main_line, 0), kMaxLineNesting);
    EXPECT_EQ(game.variation_count(), kMaxLineNesting);
}

}  // namespace
}  // namespace kelvara
