#include "record/game_record.h"

#include <gtest/gtest.h>

#include "board/layouts.h"

namespace kelvara {
namespace {

using Row = std::array<PieceCode, kColumns>;

TEST(GameRecord, StartsEmpty) {
    GameRecord g;
    EXPECT_EQ(g.flip_state, 0);
    EXPECT_EQ(g.current_move, 0);
    EXPECT_EQ(g.board[4][4], 0);  // all 0 at start-up, which is the black king's code
    EXPECT_TRUE(g.moves.empty());
}

TEST(GameRecord, InitialPositionFollowsTheFlipState) {
    GameRecord g;
    g.set_up_initial_position();
    EXPECT_EQ(g.board, kStandardLayout);
    EXPECT_EQ(g.reference, kStandardLayout);

    g.flip_state = 1;
    g.set_up_initial_position();
    EXPECT_EQ(g.board[0], (Row{7, 5, 3, 1, 0, 2, 4, 6, 8}));
    EXPECT_EQ(g.reference[9], (Row{8, 6, 4, 2, 0, 1, 3, 5, 7}));
    EXPECT_EQ(g.reference[0], (Row{24, 22, 20, 18, 16, 17, 19, 21, 23}));
}

TEST(GameRecord, FlippedLayoutShowsTheSameKindsAsTheRotation) {
    const Position turned = rotated(kStandardLayout);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            EXPECT_EQ(piece_kind(kFlippedLayout[r][c]), piece_kind(turned[r][c])) << r << "," << c;
}

TEST(GameRecord, RestoreStartPositionTurnsTheReferenceWhenFlipped) {
    GameRecord g;
    g.set_up_initial_position();
    g.reference[3][0] = kEmpty;  // something that is not the layout
    g.reference[4][0] = 27;
    g.flip_state = 1;
    g.restore_start_position();
    EXPECT_EQ(g.board[5][8], 27);
    EXPECT_EQ(g.board[6][8], kEmpty);
    // Turning back by hand gives the reference again.
    EXPECT_EQ(rotated(g.board), g.reference);

    g.flip_state = 0;
    g.restore_start_position();
    EXPECT_EQ(g.board, g.reference);
}

TEST(GameRecord, StandardLayoutIgnoresFlipAndReference) {
    GameRecord g;
    g.flip_state = 1;
    g.load_standard_layout();
    EXPECT_EQ(g.board, kStandardLayout);
    EXPECT_EQ(g.reference[0][0], 0);
}

TEST(GameRecord, StartPositionDependsOnTheFenText) {
    GameRecord g;
    g.reference = {};
    g.reference[0][4] = kRedKing;
    for (auto& row : g.reference)
        for (auto& sq : row)
            if (sq == 0) sq = kEmpty;
    g.reference[9][4] = kBlackKing;
    g.fen_start = "4k4/9/9/9/9/9/9/9/9/4K4";
    g.set_up_start_position();
    EXPECT_EQ(g.board, g.reference);

    g.fen_start.clear();
    g.set_up_start_position();
    EXPECT_EQ(g.board, kStandardLayout);
}

TEST(Pieces, KindsAndSidesGoByCodeRange) {
    EXPECT_TRUE(is_black(0));
    EXPECT_FALSE(is_black(kEmpty));
    EXPECT_TRUE(is_red(31));
    EXPECT_FALSE(is_piece(32));
    EXPECT_EQ(piece_kind(0), PieceKind::King);
    EXPECT_EQ(piece_kind(18), PieceKind::Advisor);
    EXPECT_EQ(piece_kind(20), PieceKind::Elephant);
    EXPECT_EQ(piece_kind(5), PieceKind::Horse);
    EXPECT_EQ(piece_kind(24), PieceKind::Chariot);
    EXPECT_EQ(piece_kind(9), PieceKind::Cannon);
    EXPECT_EQ(piece_kind(31), PieceKind::Soldier);
    EXPECT_EQ(piece_kind(kEmpty), PieceKind::None);
}

}  // namespace
}  // namespace kelvara
