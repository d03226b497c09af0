#include "record/pgn_reader.h"

#include <gtest/gtest.h>

#include "board/fen.h"
#include "board/layouts.h"
#include "notation/move_words.h"
#include "record/pgn_scanner.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;
using test::U;
using Row = std::array<PieceCode, kColumns>;
using Moves = std::vector<std::string>;

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

Loaded read_bytes(const std::string& bytes, int game_index = 0, int flip = 0) {
    Loaded l;
    l.game.flip_state = flip;
    l.stop = read_pgn_record(bytes, l.game, l.list, game_index);
    return l;
}

// The text is written in UTF-8 here and stored as GBK, as most PGN records are.
Loaded read_gbk(const std::string& utf8, int game_index = 0, int flip = 0) {
    return read_bytes(G(utf8), game_index, flip);
}

// The Chinese moves of the first game's main line, as written.
Moves written(const std::string& utf8) {
    Moves out;
    const auto games = scan_pgn_games(G(utf8));
    if (games.empty()) return out;
    for (const std::string& word : games[0].main_line_words())
        for (const std::string& m : notation::moves_in_word(notation::Notation::Chinese, word)) out.push_back(U(m));
    return out;
}

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

TEST(PgnScanner, CommentsAndVariationsAreFoundByTheirBrackets) {
    EXPECT_EQ(written("{开局 炮二平五}\n1. 炮二平五 马８进７\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written("1. 炮二平五 {好棋 马二进三\n继续 车一平二} 马８进７\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written("1. 炮二平五 (1. 马二进三 (1. 兵七进一) 卒７进１) 马８进７\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written(" (9. ... 卒７进１ (9. ... 象７进５ 10. 兵五进一\n) 马二进三)\n炮二平五\n"),
              (Moves{"炮二平五"}));
    // A comment inside a variation may hold a ')' that does not close it.
    EXPECT_EQ(written("(马二进三 {see :)} 马８进７) 炮二平五\n"), (Moves{"炮二平五"}));
    EXPECT_EQ(written("(1. ... 炮４退７ ) \n车一平二\n"), (Moves{"车一平二"}));
    EXPECT_EQ(written("1. 炮二平五 ; 马８进７ rest of line\n马二进三\n"), (Moves{"炮二平五", "马二进三"}));
    // Outside a comment, a character whose trail byte is a brace opens nothing.
    EXPECT_EQ(written(U("\xC6\x7B") + " 炮二平五\n"), (Moves{"炮二平五"}));
    EXPECT_EQ(written("{" + U("\xF6\x7D") + " 马二进三} 炮二平五\n"), (Moves{"炮二平五"}));
}

TEST(PgnScanner, TheResultEndsTheGameAndTagsAfterMovesStartTheNext) {
    EXPECT_EQ(written("1. 炮二平五 马８进７ 1-0 马二进三\n车一平二\n"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(written("1. 炮二平五 1/2-1/2\n"), (Moves{"炮二平五"}));
    EXPECT_EQ(written("1. 炮二平五\x1A 马８进７\n"), (Moves{"炮二平五"}));
    const auto games = scan_pgn_games(
        G("[Event \"一\"]\n1. 炮二平五 *\n=====\n广告\n[Event \"二\"] [Red \"甲\"]\n[FEN \"9/9/9/9/9/9/9/9/9/9 w\"]\n"
          "1. 马二进三\n[Event \"三\"]\n"));
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(U(*games[0].tag("event")), "一");
    EXPECT_EQ(games[0].result, "*");
    EXPECT_EQ(games[0].main_line_words(), (std::vector<std::string>{"1.", G("炮二平五")}));
    EXPECT_EQ(U(*games[1].tag("Red")), "甲");
    EXPECT_TRUE(games[1].tag("FEN"));
    EXPECT_FALSE(games[2].tag("FEN"));
    // Tag names in any case, one space before the quote.
    const auto tags = scan_pgn_games("[event \"x y\"]\n[Site  \"no\"]\n[Round \"open");
    ASSERT_EQ(tags.size(), 1u);
    EXPECT_EQ(*tags[0].tag("EVENT"), "x y");
    EXPECT_FALSE(tags[0].tag("Site"));
    EXPECT_EQ(*tags[0].tag("Round"), "open");
}

TEST(PgnReader, RowsNumberRedMovesAndKeepTheWrittenText) {
    const auto l = read_gbk("[Event \"测试\"]\n1. 炮二平五 马8进7\n2. 马二进三\n");
    ASSERT_FALSE(l.stop);
    EXPECT_EQ(l.rows(), (Moves{"1.红：炮二平五", "黑：马8进7", "2.红：马二进三"}));
    EXPECT_EQ(l.list.rows()[1].colour, kGreyRow);
    EXPECT_EQ(U(l.game.title), "测试");
    EXPECT_EQ(l.game.notation, "chinese");
    EXPECT_EQ(l.game.moves[1], (MoveRecord{5, 9, 1, 0, 7, 2}));
    EXPECT_EQ(l.game.board, kStandardLayout);  // back at the start
}

// Moves read from other notations show as the notation writer writes them.
TEST(PgnReader, EveryNotationGivesTheSameGame) {
    const char* const records[] = {
        "[Format \"WXF\"]\n1. C2.5 H8+7 2. H2+3 R9.8\n",
        "1. Ｃ２＝５ ｈ８＋７ 2. Ｈ２＋３ Ｒ９＝８\n",
        "1. H2-E2 H9-G7 2. H0-G2 I9-H9\n",
        "1. h2e2 h9g7 2. h0g2 i9h9\n",
        "[Variant \"xiangqi\"]\n1. Che2 Hg7 2. Hg2 Rh9\n",
        "[Variant \"Xiangqi\"]\n1. Che3 Hg8 2. Hg3 Rh10\n",
        "1. 炮二平五 馬８進７ 2. 傌二進三 車９平８\n",
    };
    const Loaded chinese = read_gbk("1. 炮二平五 马８进７ 2. 马二进三 车９平８\n");
    for (const char* text : records) {
        const Loaded l = read_gbk(text);
        EXPECT_FALSE(l.stop) << text;
        EXPECT_EQ(l.game.moves, chinese.game.moves) << text;
    }
    const Loaded wxf = read_gbk(records[0]);
    EXPECT_EQ(wxf.game.notation, "wxf");
    EXPECT_EQ(wxf.rows(), (Moves{"1.红：炮二平五", "黑：马8进7", "2.红：马二进三", "黑：车9平8"}));
    EXPECT_EQ(read_gbk(records[2]).game.notation, "iccs");
    EXPECT_EQ(read_gbk(records[4]).game.notation, "algebraic");
    EXPECT_EQ(read_gbk(records[6]).rows()[1], "黑：馬８進７");  // as written
}

TEST(PgnReader, Big5AndUtf8RecordsShowTheirTextAsWritten) {
    // [Event "對局"] 1. 炮二平五 馬８進７ in BIG5.
    const std::string big5 = "[Event \"\xB9\xEF\xA7\xBD\"]\n1. \xAC\xB6\xA4\x47\xA5\xAD\xA4\xAD \xB0\xA8\xA2\xB7\xB6\x69\xA2\xB6\n";
    const Loaded b = read_bytes(big5);
    EXPECT_FALSE(b.stop);
    EXPECT_EQ(U(b.game.title), "對局");
    EXPECT_EQ(b.rows(), (Moves{"1.红：炮二平五", "黑：馬８進７"}));
    for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
        const Loaded u = read_bytes(mark + "[Event \"对局\"]\n1. 炮二平五 马８进７\n");
        EXPECT_FALSE(u.stop);
        EXPECT_EQ(u.list.row_count(), 2);
        EXPECT_EQ(U(u.game.title), "对局");
    }
    // A UTF-8 mark before GBK bytes: the bytes decide.
    const Loaded marked = read_bytes("\xEF\xBB\xBF" + G("[Event \"对局\"]\n1. 炮二平五 马８进７\n"));
    EXPECT_EQ(U(marked.game.title), "对局");
    EXPECT_EQ(marked.list.row_count(), 2);
}

TEST(PgnReader, Utf16TextAndOldLineEndsAreRead) {
    // "[Event "对局"]\r\n1. 炮二平五 马８进７" in UTF-16, little-endian and big-endian.
    const std::u16string text = u"[Event \"对局\"]\r\n1. 炮二平五 马８进７\r\n";
    for (const bool little : {true, false}) {
        std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
        for (const char16_t c : text) {
            const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
            bytes += little ? std::string{low, high} : std::string{high, low};
        }
        const Loaded l = read_bytes(bytes);
        EXPECT_FALSE(l.stop);
        EXPECT_EQ(U(l.game.title), "对局");
        EXPECT_EQ(l.list.row_count(), 2);
    }
    // Lines ended by CR alone; moves set off by Chinese punctuation.
    const Loaded cr = read_gbk("[Event \"甲\"]\r1. 炮二平五 马８进７\r2. 马二进三\r");
    EXPECT_EQ(cr.list.row_count(), 3);
    EXPECT_EQ(U(cr.game.title), "甲");
    EXPECT_EQ(read_gbk("1、C2.5，H8+7。2、H2+3").list.row_count(), 3);
}

TEST(PgnReader, BlackFirstInBothNumberingStyles) {
    const std::string fen = "[FEN \"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR b - - 0 1\"]\n";
    for (const char* moves : {"1. ... 马８进７ 2. 炮二平五\n", "1. 马８进７\n2. 炮二平五\n"}) {
        const auto l = read_gbk(fen + moves);
        ASSERT_FALSE(l.stop) << moves;
        EXPECT_EQ(l.rows(), (Moves{"黑：马８进７", "1.红：炮二平五"})) << moves;
        EXPECT_EQ(l.game.first_to_move, Side::Black);
        EXPECT_EQ(U(l.game.fen_start), "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR");
    }
    // A side field that says nothing ("-b", or none): the first move tells.
    // A side field that says nothing ("-b", or none) or names the side that cannot make
    // the first move: the first move tells.
    for (const char* side : {" -b", "", " w"}) {
        const auto l = read_gbk(std::string("[FEN \"4k4/9/9/9/9/9/9/9/4A4/3AK4") + side + "\"]\n1. 将５进１ 2. 帅五平四\n");
        EXPECT_FALSE(l.stop) << side;
        EXPECT_EQ(l.game.first_to_move, Side::Black) << side;
    }
    // From the start position every first move of black's is red's mirror: red opens.
    EXPECT_EQ(read_gbk("1. 卒７进１\n").game.first_to_move, Side::Red);
}

TEST(PgnReader, FenStartIsRestoredForTheFlipState) {
    const std::string fen = "[FEN \"3k5/9/9/9/9/9/9/9/9/4K4 w\"]\n1. 帅五进一\n";
    const auto l = read_gbk(fen);
    EXPECT_EQ(l.game.board[0][4], 16);
    EXPECT_EQ(l.game.board[9][5], 0);
    EXPECT_EQ(l.game.reference, l.game.board);
    const auto f = read_gbk(fen, 0, 1);
    EXPECT_EQ(f.game.board[9][4], 16);
    EXPECT_EQ(f.game.board[0][3], 0);
    EXPECT_EQ(f.game.moves[0], (MoveRecord{16, 0, 4, 0, 1, 4}));
    // A FEN line alone is a start position with no moves.
    const auto alone = read_gbk("3k5/9/9/9/9/9/9/9/9/4K4 w - - 0 1\n");
    EXPECT_EQ(U(alone.game.fen_start), "3k5/9/9/9/9/9/9/9/9/4K4");
    EXPECT_TRUE(alone.game.moves.empty());
}

TEST(PgnReader, StopsAtTheFirstMoveThatCannotBePlayedOrCouldBeTwo) {
    const auto l = read_gbk("1. 炮二平五 马８进７ 2. 马五进三 马二进三\n");
    ASSERT_TRUE(l.stop);
    EXPECT_EQ(l.stop->move, 3);
    EXPECT_EQ(l.stop->reason, StopReason::UnresolvedMove);
    EXPECT_EQ(U(describe(*l.stop)), "第3着“马五进三”无法在棋盘上走出");
    EXPECT_EQ(l.game.moves.size(), 2u);
    EXPECT_EQ(l.list.row_count(), 2);
    EXPECT_EQ(l.game.board, kStandardLayout);

    // Both red chariots on file 二 can go one forward, and nothing after tells which.
    const auto twins = read_gbk("[FEN \"4k4/9/9/9/9/9/1R7/9/9/1R2K4 w\"]\n1. 车八进一\n");
    ASSERT_TRUE(twins.stop);
    EXPECT_EQ(twins.stop->reason, StopReason::AmbiguousMove);
    EXPECT_EQ(U(describe(*twins.stop)), "第1着“车八进一”有多种走法，无法确定");
}

// Two black pawns on file 3 can both go forward: only taking the front one lets the next
// black move, the pawn sideways to file 4, be played.
TEST(PgnReader, AMoveThatCouldBeTwoIsTheOneAfterWhichTheRecordReadsOn) {
    const auto l = read_gbk("[FEN \"5k3/9/9/9/9/2pa5/3a5/2pb5/9/4K4 b\"]\n1. ... P3+1 2. K5+1 P3.4\n");
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    ASSERT_EQ(l.game.moves.size(), 3u);
    EXPECT_EQ(l.game.moves[0].from(), (Square{2, 6}));
    EXPECT_EQ(l.game.moves[2].to(), (Square{1, 5}));
}

TEST(PgnReader, CommentsAndVariationsStayWithTheirMoves) {
    const auto l = read_gbk(
        "[Event \"注\"]\n{开局}\n1. 炮二平五 {中炮} 马８进７ (1... 炮８平５ {顺炮} 2. 马二进三 (2. 兵七进一 卒７进１) "
        "马８进７) (1... 卒７进１) 2. 马二进三 (2. 马九进十) {好} 车９平８\n");
    ASSERT_FALSE(l.stop);
    EXPECT_EQ(U(l.game.start_comment), "开局");
    EXPECT_EQ(U(l.game.notes_of(0).comment), "中炮");
    const MoveNotes& second = l.game.notes_of(1);
    ASSERT_EQ(second.alternatives.size(), 2u);
    const Line& shun = second.alternatives[0];
    ASSERT_EQ(shun.size(), 3u);
    EXPECT_EQ(U(shun[0].text), "黑：炮８平５");
    EXPECT_EQ(shun[0].move, (MoveRecord{9, 7, 1, 0, 7, 4}));
    EXPECT_EQ(U(shun[0].notes.comment), "顺炮");
    EXPECT_EQ(U(shun[1].text), "2.红：马二进三");
    ASSERT_EQ(shun[1].notes.alternatives.size(), 1u);
    EXPECT_EQ(shun[1].notes.alternatives[0].size(), 2u);
    // A line is cut at its first move that cannot be played; one with none is dropped.
    EXPECT_EQ(l.game.notes_of(2).alternatives.size(), 0u);
    EXPECT_EQ(U(l.game.notes_of(2).comment), "好");
    EXPECT_EQ(l.game.variation_count(), 3);
    EXPECT_TRUE(l.game.has_comments());
    EXPECT_TRUE(l.list.rows()[1].has_alternatives);
    EXPECT_FALSE(l.list.rows()[0].has_alternatives);
    EXPECT_EQ(l.game.moves.size(), 4u);

    // Variations that open before any move of their line, nested in one another, are
    // dropped without touching what was read.
    const auto stray = read_gbk("(1. 炮二平五 (( 马８进７))) 1. 兵七进一 ((2. 马二进三)) 卒７进１\n");
    EXPECT_EQ(stray.rows(), (Moves{"1.红：兵七进一", "黑：卒７进１"}));
    EXPECT_EQ(stray.game.variation_count(), 0);
}

TEST(PgnReader, EveryGameOfAFileIsListedAndRead) {
    const std::string text =
        "[Event \"一\"]\n[Red \"甲\"]\n[Black \"乙\"]\n[Result \"1-0\"]\n1. 炮二平五 马８进７ 1-0\n\n"
        "[Event \"二\"]\n1. h2e2 h9g7 2. h0g2\n\n"
        "[Event \"三\"]\n[FEN \"4k4/9/9/9/9/9/9/9/9/4K4 w\"]\n1. 帅五进一 *\n";
    const auto games = list_pgn_games(G(text));
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].number, 1);
    EXPECT_EQ(U(games[0].title), "一");
    EXPECT_EQ(U(games[0].red), "甲");
    EXPECT_EQ(U(games[0].black), "乙");
    EXPECT_EQ(games[0].result, "1-0");
    EXPECT_EQ(games[0].plies, 2);
    EXPECT_EQ(games[1].plies, 3);
    EXPECT_EQ(games[2].result, "*");
    EXPECT_EQ(read_gbk(text, 1).rows(), (Moves{"1.红：炮二平五", "黑：马8进7", "2.红：马二进三"}));
    EXPECT_EQ(U(read_gbk(text, 2).game.title), "三");
    EXPECT_EQ(read_gbk(text, 2).game.info.result, "*");
    EXPECT_TRUE(read_gbk(text, 3).game.moves.empty());  // no such game
}

TEST(PgnReader, WxfFilesAndBareMoveListsAreRead) {
    const auto wxf = read_gbk("FORMAT\tWXF\nRED\t甲;;;\nBLACK\t乙;;;\nSTART{\n1.  C2.5  H8+7\n2.  H2+3\n}END\n");
    EXPECT_FALSE(wxf.stop);
    EXPECT_EQ(wxf.game.moves.size(), 3u);
    EXPECT_EQ(U(wxf.game.info.red), "甲");
    EXPECT_EQ(read_gbk("炮二平五 马８进７").game.moves.size(), 2u);
    EXPECT_EQ(read_gbk("C2.5 H8+7 H2+3").game.moves.size(), 3u);

    EXPECT_TRUE(recognises_pgn(G("[Event \"x\"]\n")));
    EXPECT_TRUE(recognises_pgn(G("h2e2 h9g7")));
    EXPECT_TRUE(recognises_pgn(G("rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w")));
    EXPECT_FALSE(recognises_pgn(""));
    EXPECT_FALSE(recognises_pgn(G("[设置]\n动画作者=某人\n")));
    EXPECT_FALSE(recognises_pgn(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
    EXPECT_FALSE(recognises_pgn(G("红方胜利，黑方认输。")));
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
