#include "record/pgn_reader.h"

#include <gtest/gtest.h>

#include "board/fen.h"
#include "board/layouts.h"
#include "record/pgn_scanner.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;
using test::U;
using Row = std::array<PieceCode, kColumns>;

struct Loaded {
    GameRecord game;
    MoveList list;
    std::optional<ReadStop> stop;
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (const auto& r : list.rows()) out.push_back(U(r.text));
        return out;
    }
};

// The text is written in UTF-8 here and stored as GBK, as PGN records are.
Loaded read_gbk(const std::string& utf8, int flip = 0) {
    Loaded l;
    l.game.flip_state = flip;
    l.stop = read_pgn_record(G(utf8), l.game, l.list);
    return l;
}

std::vector<std::string> written(const std::string& utf8) {
    std::vector<std::string> out;
    for (const auto& m : scan_pgn(G(utf8)).moves) out.push_back(U(m.written));
    return out;
}

using Moves = std::vector<std::string>;

TEST(PgnScanner, FindsMovesWhereverTheyStand) {
    EXPECT_EQ(written("1. 炮二平五 马８进７\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written("1.炮二平五      马８进７\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written("炮二平五马８进７ 马二进三\n"), (Moves{"炮二平五", "马８进７", "马二进三"}));
    EXPECT_EQ(written("1.\t炮二平五\t马8进7\n"), (Moves{"炮二平五", "马8进7"}));
    EXPECT_EQ(written("=  7. 车八退二 象７进５\n"), (Moves{"车八退二", "象７进５"}));
    EXPECT_EQ(written("15.          车１平２\n"), (Moves{"车１平２"}));
    EXPECT_EQ(written("1. 前车进一 2. 一兵平四 中卒进１\n"), (Moves{"前车进一", "一兵平四", "中卒进１"}));
    EXPECT_EQ(written("1.炮二平五!? 马８进７?\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written("1…炮８平５\n"), (Moves{"炮８平５"}));
    EXPECT_EQ(written("　炮二平五　马８进７\n"), (Moves{"炮二平五", "马８进７"}));  // full-width spaces
}

TEST(PgnScanner, SkipsCommentsAndVariationsByTheirBrackets) {
    EXPECT_EQ(written("{开局 炮二平五}\n1. 炮二平五 马８进７\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written("1. 炮二平五 {好棋 马二进三\n继续 车一平二} 马８进７\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written("1. 炮二平五 (1. 马二进三 (1. 兵七进一) 卒７进１) 马８进７\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written(" (9. ... 卒７进１ (9. ... 象７进５ 10. 兵五进一\n) 马二进三)\n炮二平五\n"),
              (Moves{"炮二平五"}));
    // A comment inside a variation may hold a ')' that does not close it.
    EXPECT_EQ(written("(马二进三 {see :)} 马８进７) 炮二平五\n"), (Moves{"炮二平五"}));
    // A line that opens a variation and ends in a space still closes it later on the line.
    EXPECT_EQ(written("(1. ... 炮４退７ ) \n车一平二\n"), (Moves{"车一平二"}));
    EXPECT_EQ(written("1. 炮二平五 ; 马８进７ rest of line\n马二进三\n"), (Moves{"炮二平五", "马二进三"}));
}

TEST(PgnScanner, BracketsAreFoundOnlyOutsideDoubleByteCharacters) {
    const std::string comment_with_fake_close = "{" + U("\xF6\x7D") + " 马二进三} 炮二平五\n";
    EXPECT_EQ(written(comment_with_fake_close), (Moves{"炮二平五"}));
    // Outside a comment, a character whose trail byte is a brace opens nothing.
    const std::string fake_open = U("\xC6\x7B") + " 炮二平五\n";
    EXPECT_EQ(written(fake_open), (Moves{"炮二平五"}));
}

TEST(PgnScanner, TheFirstResultOrTheNextGameEndsTheGame) {
    EXPECT_EQ(written("1. 炮二平五 马８进７ 1-0 马二进三\n车一平二\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written("1. 炮二平五 *\n"), (Moves{"炮二平五"}));
    EXPECT_EQ(written("1. 炮二平五 1/2-1/2\n"), (Moves{"炮二平五"}));
    const auto g = scan_pgn(G("[Event \"一\"]\n1. 炮二平五\n\n[Event \"二\"]\n[FEN \"9/9/9/9/9/9/9/9/9/9 w\"]\n1. 马二进三\n"));
    EXPECT_EQ(U(*g.event), "一");
    EXPECT_FALSE(g.fen);
    ASSERT_EQ(g.moves.size(), 1u);
}

TEST(PgnScanner, AnUnknownFourCharacterWordIsKeptForTheReaderToReport) {
    EXPECT_EQ(written("1. 車二進三 马８进７\n"), (Moves{"車二進三", "马８进７"}));
    EXPECT_EQ(written("红胜 2009年 resigns\n"), (Moves{}));
}

TEST(PgnScanner, TextEndMarksEndTheRecord) {
    EXPECT_EQ(written("1. 炮二平五\x1A 马８进７\n"), (Moves{"炮二平五"}));
    EXPECT_EQ(written(std::string("1. 炮二平五\0 马８进７\n", 25)), (Moves{"炮二平五"}));
}

TEST(PgnScanner, TagsMatchInAnyCaseWithOneSpaceBeforeTheQuote) {
    EXPECT_EQ(tag_value("[event \"x y\"]", "EVENT"), "x y");
    EXPECT_EQ(tag_value("[EvEnT \"abc", "EVENT"), "abc");  // no closing quote: to the end
    EXPECT_FALSE(tag_value("[Event  \"x\"]", "EVENT"));
    EXPECT_FALSE(tag_value("[Events \"x\"]", "EVENT"));
    EXPECT_FALSE(tag_value("[Ev", "EVENT"));
}

TEST(PgnReader, RowsNumberRedMovesAndKeepTheWrittenText) {
    const auto l = read_gbk("[Event \"测试\"]\n1. 炮二平五 马8进7\n2. 马二进三\n");
    ASSERT_FALSE(l.stop);
    EXPECT_EQ(l.rows(), (Moves{"1.红：炮二平五", "黑：马8进7", "2.红：马二进三"}));
    EXPECT_EQ(l.list.rows()[1].colour, kGreyRow);
    EXPECT_EQ(U(l.game.title), "测试");
    EXPECT_EQ(l.game.moves[1], (MoveRecord{5, 9, 1, 0, 7, 2}));
    EXPECT_EQ(l.game.board, kStandardLayout);  // back at the start
}

TEST(PgnReader, FenWithBlackToMoveStartsWithBlack) {
    const auto l = read_gbk(
        "[FEN \"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR b - - 0 1\"]\n"
        "1. ... 马８进７ 2. 炮二平五\n");
    ASSERT_FALSE(l.stop);
    EXPECT_EQ(l.rows(), (Moves{"黑：马８进７", "1.红：炮二平五"}));
    EXPECT_EQ(U(l.game.fen_start), "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR");
}

TEST(PgnReader, FenStartIsRestoredForTheFlipState) {
    const std::string fen = "[FEN \"3k5/9/9/9/9/9/9/9/9/4K4 w\"]\n1. 帅五进一\n";
    const auto l = read_gbk(fen);
    EXPECT_EQ(l.game.board[0][4], 16);
    EXPECT_EQ(l.game.board[9][5], 0);
    EXPECT_EQ(l.game.reference, l.game.board);
    const auto f = read_gbk(fen, 1);
    EXPECT_EQ(f.game.board[9][4], 16);
    EXPECT_EQ(f.game.board[0][3], 0);
    EXPECT_EQ(f.game.moves[0], (MoveRecord{16, 0, 4, 0, 1, 4}));
}

TEST(PgnReader, StopsAtTheFirstMoveThatCannotBePlayed) {
    const auto l = read_gbk("1. 炮二平五 马８进７ 2. 马五进三 马二进三\n");
    ASSERT_TRUE(l.stop);
    EXPECT_EQ(l.stop->move, 3);
    EXPECT_EQ(l.stop->reason, StopReason::UnresolvedMove);
    EXPECT_EQ(U(describe(*l.stop)), "第3着“马五进三”无法在棋盘上走出");
    EXPECT_EQ(l.game.moves.size(), 2u);
    EXPECT_EQ(l.list.row_count(), 2);
    EXPECT_EQ(l.game.board, kStandardLayout);
}

TEST(PgnReader, TurnNumbersGoBeyond255) {
    std::string text;
    for (int i = 0; i < 130; ++i) text += "车一进一 车９进１ 车一退一 车９退１ ";
    const auto l = read_gbk(text);
    ASSERT_FALSE(l.stop);
    ASSERT_EQ(l.list.row_count(), 520);
    EXPECT_EQ(l.rows()[2 * 255], "256.红：车一退一");
}

TEST(PgnReader, Utf8RecordsAreConvertedFirst) {
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        GameRecord game;
        MoveList list;
        const auto stop = read_pgn_record(bom + "[Event \"对局\"]\n1. 炮二平五 马８进７\n", game, list);
        EXPECT_FALSE(stop);
        EXPECT_EQ(list.row_count(), 2);
        EXPECT_EQ(U(game.title), "对局");
    }
}

// The text decides, not the mark: GBK moves after a UTF-8 byte-order mark still load.
TEST(PgnReader, AByteOrderMarkBeforeGbkTextIsReadAsGbk) {
    GameRecord game;
    MoveList list;
    const auto stop = read_pgn_record("\xEF\xBB\xBF" + G("[Event \"对局\"]\n1. 炮二平五 马８进７\n"), game, list);
    EXPECT_FALSE(stop);
    EXPECT_EQ(list.row_count(), 2);
    EXPECT_EQ(U(game.title), "对局");
}

TEST(Fen, UsualOpeningGivesTheStandardKindsWithOneCodePerKind) {
    const Position p = parse_fen_board("rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR");
    EXPECT_EQ(p[0], (Row{23, 21, 19, 17, 16, 17, 19, 21, 23}));
    EXPECT_EQ(p[2][1], 25);
    EXPECT_EQ(p[2][7], 25);
    EXPECT_EQ(p[9], (Row{7, 5, 3, 1, 0, 1, 3, 5, 7}));
    EXPECT_EQ(p[4][4], kEmpty);
}

TEST(Fen, OddFieldsNeverLeaveTheBoard) {
    // Missing ranks are empty; an eleventh rank is ignored; a '.' is dropped.
    const Position few = parse_fen_board("4k4");
    EXPECT_EQ(few[0][4], 0);
    EXPECT_EQ(few[5][0], kEmpty);
    const Position many = parse_fen_board("RRRRRRRRRRRRRR/9/9/9/9/9/9/9/9/9/4K4");
    EXPECT_EQ(many[0][4], 16);
    const Position dot = parse_fen_board("6.R2");
    EXPECT_EQ(dot[0][2], 23);
    const Position wide = parse_fen_board("RRRRRRRRRRRR");
    EXPECT_EQ(wide[0][8], 23);
    EXPECT_EQ(parse_fen_board("")[0][0], kEmpty);
    EXPECT_EQ(parse_fen_board("xyz/\xB0\xA1")[0][0], kEmpty);
}

}  // namespace
}  // namespace kelvara
