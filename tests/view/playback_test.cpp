#include "view/playback.h"

#include <gtest/gtest.h>

#include <set>

#include "view/board_geometry.h"
#include "view_fixture.h"

namespace kelvara {
namespace {

// The piece sprite list names exactly the sprites above the seven fixed ones, one per
// occupied square, each standing on its square.
void expect_sprites_match_board(BoardSession& s) {
    const std::vector<int> sprites = s.view.piece_sprites();
    const std::set<int> listed(sprites.begin(), sprites.end());
    EXPECT_EQ(listed.size(), sprites.size());
    int occupied = 0;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            if (s.game.board[r][c] == kEmpty) continue;
            ++occupied;
            EXPECT_TRUE(listed.count(s.view.find_piece_sprite(r, c))) << r << "," << c;
        }
    EXPECT_EQ(occupied, static_cast<int>(listed.size()));
    for (int id : listed) EXPECT_TRUE(s.canvas.exists(id));
}

TEST(Playback, JumpsForwardAndBackShowExactlyTheSelectedMove) {
    BoardSession s;
    test::load_pgn(s, test::kShortGame);
    ASSERT_EQ(s.list.row_count(), 6);
    const Image start = s.canvas.composed();

    s.list.select(4);  // over the capture at move 5
    EXPECT_EQ(s.game.current_move, 4);
    EXPECT_EQ(s.game.moves[4].captured, 6);   // the black horse was taken
    EXPECT_EQ(s.game.moves[2].captured, 13);  // and before it the middle soldier
    EXPECT_EQ(s.game.moves[0].captured, kEmpty);
    EXPECT_EQ(s.view.display(), test::fresh_picture(s.game, 4));
    expect_sprites_match_board(s);

    s.list.select(1);  // back over the capture
    EXPECT_EQ(s.view.display(), test::fresh_picture(s.game, 1));
    expect_sprites_match_board(s);

    s.playback.first();
    EXPECT_EQ(s.game.current_move, -1);
    EXPECT_EQ(s.view.display(), start);
    EXPECT_FALSE(s.canvas.visible(board::kFromMarker));
}

TEST(Playback, FlippedBoardPlaysOnRotatedSquares) {
    BoardSession s;
    test::load_pgn(s, test::kShortGame, 1);
    s.list.select(5);
    EXPECT_EQ(s.game.board[9 - 6][8 - 4], 25);  // the cannon at record square (6, 4)
    EXPECT_EQ(s.view.display(), test::fresh_picture(s.game, 5));
    s.list.select(0);
    EXPECT_EQ(s.view.display(), test::fresh_picture(s.game, 0));
    expect_sprites_match_board(s);
}

TEST(Playback, ApplyingAMoveReportsWhatChanged) {
    for (int flip : {0, 1}) {
        BoardSession s;
        test::load_pgn(s, test::kShortGame, flip);
        s.list.select(1);
        // Move 3, 炮五进四, takes the middle soldier.
        const MoveRecord m = s.game.moves[2];
        const Square from = board::display_square(flip, m.from_row, m.from_column);
        const Square to = board::display_square(flip, m.to_row, m.to_column);
        const PieceCode victim = s.game.board[to.row][to.column];
        ASSERT_NE(victim, kEmpty);
        const BoardTransition forward = s.playback.play_move_forward(m, 3);
        EXPECT_EQ(forward.from, from);
        EXPECT_EQ(forward.to, to);
        EXPECT_EQ(forward.piece, m.piece);
        EXPECT_EQ(forward.captured, victim);
        EXPECT_TRUE(forward.captures());
        const BoardTransition back = s.playback.take_move_back(s.game.moves[2]);
        EXPECT_EQ(back.from, from);
        EXPECT_EQ(back.to, to);
        EXPECT_EQ(back.captured, victim);
        EXPECT_EQ(s.game.board[to.row][to.column], victim);
        EXPECT_FALSE(s.playback.take_move_back(s.game.moves[1]).captures());
        EXPECT_FALSE(s.playback.play_move_forward(s.game.moves[1], 2).captures());
    }
}

TEST(Playback, ASquareHoldsOneSpriteWhateverTheRecordSays) {
    BoardSession s;
    test::load_pgn(s, test::kShortGame);
    const std::size_t pieces = s.view.piece_sprites().size();
    // A piece placed on an occupied square replaces the sprite there.
    const int before = s.view.find_piece_sprite(0, 0);
    s.view.place_piece_sprite(19, 0, 0);
    EXPECT_FALSE(s.canvas.exists(before));
    EXPECT_EQ(s.view.piece_sprites().size(), pieces);
    // A move that starts and ends on one square leaves its piece standing.
    MoveRecord still = s.game.moves[0];
    still.to_row = still.from_row;
    still.to_column = still.from_column;
    s.playback.play_move_forward(still, 1);
    EXPECT_NE(s.view.find_piece_sprite(still.from_row, still.from_column), -1);
    EXPECT_EQ(s.view.piece_sprites().size(), pieces);
}

TEST(Playback, NavigationButtonsMoveTheSelection) {
    BoardSession s;
    s.playback.next();  // no rows: nothing at all
    s.playback.last();
    s.playback.first();
    EXPECT_EQ(s.list.selection(), -1);
    EXPECT_EQ(s.game.current_move, 0);

    test::load_pgn(s, test::kShortGame);
    s.playback.previous();  // nothing selected: stays
    EXPECT_EQ(s.list.selection(), -1);
    s.playback.next();
    EXPECT_EQ(s.list.selection(), 0);
    EXPECT_EQ(s.game.current_move, 0);
    s.playback.last();
    EXPECT_EQ(s.game.current_move, 5);
    s.playback.next();  // on the last row: nothing changes
    EXPECT_EQ(s.list.selection(), 5);
    s.playback.previous();
    EXPECT_EQ(s.game.current_move, 4);
    s.list.select(0);
    s.playback.previous();  // on the first row: back to the start
    EXPECT_EQ(s.list.selection(), -1);
    EXPECT_EQ(s.game.current_move, -1);
    EXPECT_EQ(s.canvas.sprite_left(board::kCounterSprite) + s.canvas.sprite_width(board::kCounterSprite), 250);
}

TEST(Playback, SoundsOnlyForSingleStepsOfTheDemonstration) {
    BoardSession s;
    test::load_pgn(s, test::kShortGame);
    std::vector<MoveSound> sounds;
    s.playback.on_sound([&](MoveSound m) { sounds.push_back(m); });
    s.playback.next();  // not during a demonstration
    EXPECT_TRUE(sounds.empty());

    s.playback.toggle_demonstration(1000);
    ASSERT_TRUE(s.playback.demo_running());
    s.playback.demonstration_tick();  // row 1
    s.list.select(3);                 // a jump of two: silent
    s.playback.demonstration_tick();  // row 4: the capture
    EXPECT_EQ(sounds, (std::vector<MoveSound>{MoveSound::Move, MoveSound::Capture}));

    s.playback.set_sound_effects(false);
    s.playback.demonstration_tick();
    EXPECT_EQ(sounds.size(), 2u);

    s.playback.set_sound_effects(true);
    s.game.making = 1;  // replay for an animation: silent
    s.list.select(-1);
    s.game.making = 0;
    s.playback.first();
    s.game.making = 1;
    s.playback.next();
    EXPECT_EQ(sounds.size(), 2u);
}

TEST(Playback, DemonstrationStepsOnePerTickAndStopsAfterTheLastRow) {
    BoardSession s;
    s.playback.toggle_demonstration(800);  // no rows: does not start
    EXPECT_FALSE(s.playback.demo_running());
    test::load_pgn(s, test::kShortGame);
    int changes = 0;
    s.playback.on_demonstration_changed([&] { ++changes; });
    s.playback.toggle_demonstration(800);
    EXPECT_EQ(s.playback.timer_period(), 800);
    EXPECT_EQ(changes, 1);
    s.playback.set_demo_delay(1500);
    EXPECT_EQ(s.playback.timer_period(), 1500);
    for (int row = 0; row < 6; ++row) {
        s.playback.demonstration_tick();
        EXPECT_EQ(s.list.selection(), row);
        EXPECT_TRUE(s.playback.demo_running());
    }
    s.playback.demonstration_tick();  // one period after the last move appeared
    EXPECT_FALSE(s.playback.demo_running());
    EXPECT_EQ(s.playback.timer_period(), 0);
    EXPECT_EQ(s.list.selection(), 5);
    EXPECT_EQ(changes, 2);

    s.playback.toggle_demonstration(0);  // a delay of 0 from a settings file still runs
    EXPECT_TRUE(s.playback.demo_running());
    EXPECT_GT(s.playback.timer_period(), 0);
    s.playback.toggle_demonstration(0);
    EXPECT_FALSE(s.playback.demo_running());
    s.playback.set_demo_delay(300);  // stopped: stays stopped
    EXPECT_EQ(s.playback.timer_period(), 0);
}

TEST(Playback, MovesFromEmptySquaresMoveAndDeleteNothing) {
    BoardSession s;
    // A second move that starts on an empty square and lands on a piece, as no reader
    // lets through: the game is made by hand.
    open_record_bytes("1 1 25 32 1 2 1 2 4 0 1 0 ", "bad.che", s.game, s.list);
    s.game.moves.push_back(MoveRecord{5, 5, 4, 0, 0, 0});
    s.list.append("x", kGreyRow);
    show_opened_record(s.game, s.view, "");
    const auto before = s.view.piece_sprites();
    s.list.select(1);
    // Move 1 moved the cannon; move 2 found nothing to move and deleted the chariot it
    // landed on, as a capture.
    EXPECT_EQ(s.view.piece_sprites().size(), before.size() - 1);
    for (int id : s.view.piece_sprites()) EXPECT_GE(id, 8);
    EXPECT_TRUE(s.canvas.exists(board::kBoardSprite));
    s.list.select(-1);
    s.playback.first();
    EXPECT_EQ(s.view.piece_sprites().size(), before.size() + 1);  // the taken-back piece is drawn too
    EXPECT_TRUE(s.canvas.exists(board::kBoardSprite));
}

}  // namespace
}  // namespace kelvara
