#include "record/pgn_writer.h"

#include <gtest/gtest.h>

#include "board/fen.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;
using test::U;

MoveRecord record(const Position& board, const char* iccs) {
    const Square from{iccs[1] - '0', 8 - (iccs[0] - 'a')};
    const Square to{iccs[3] - '0', 8 - (iccs[2] - 'a')};
    return move_record(board, {from, to});
}

LineMove line_move(const Position& board, const char* iccs) { return {record(board, iccs), {}, {}}; }

// 1. h2e2 h9g7 2. h0g2, from the standard start; positions as the writer replays them.
GameRecord opening() {
    GameRecord game;
    game.set_up_initial_position();
    Position p = game.reference;
    for (const char* m : {"h2e2", "h9g7", "h0g2"}) {
        game.moves.push_back(record(p, m));
        p[game.moves.back().to_row][game.moves.back().to_column] = game.moves.back().piece;
        p[game.moves.back().from_row][game.moves.back().from_column] = kEmpty;
    }
    return game;
}

std::string utf8_pgn(const GameRecord& game, PgnOptions options = {}) {
    options.crlf = false;
    return U(write_pgn(game, options));
}

TEST(PgnWriter, WritesTheFactsAsTagsAndTheMovesInChinese) {
    GameRecord game = opening();
    game.title = G("对局");
    game.info.event = G("全国赛");
    game.info.red = G("胡荣华");
    game.info.black = G("杨官璘");
    game.info.date = "1960";
    game.info.result = "1-0";
    EXPECT_EQ(utf8_pgn(game),
              "[Game \"Chinese Chess\"]\n[Event \"全国赛\"]\n[Title \"对局\"]\n[Site \"\"]\n[Date \"1960\"]\n"
              "[Round \"\"]\n[Red \"胡荣华\"]\n[Black \"杨官璘\"]\n[Result \"1-0\"]\n"
              "1. 炮二平五 马８进７\n2. 马二进三\n1-0\n");
}

TEST(PgnWriter, WritesCrLfGbkByDefaultAndUtf8WhenAsked) {
    GameRecord game = opening();
    game.title = G("对局");
    const std::string gbk = write_pgn(game);
    EXPECT_NE(gbk.find(G("[Event \"对局\"]\r\n")), std::string::npos);
    EXPECT_NE(gbk.find(G("1. 炮二平五 马８进７\r\n")), std::string::npos);
    for (std::size_t at = gbk.find('\n'); at != std::string::npos; at = gbk.find('\n', at + 1))
        EXPECT_EQ(gbk[at - 1], '\r') << at;
    PgnOptions utf8;
    utf8.encoding = PgnEncoding::Utf8;
    EXPECT_EQ(write_pgn(game, utf8), U(gbk));
}

TEST(PgnWriter, CommentsAndAlternativesFollowTheirMovesNested) {
    GameRecord game = opening();
    game.start_comment = G("开局");
    const Position start = game.reference;
    Position after_cannon = start;
    after_cannon[2][4] = after_cannon[2][1];
    after_cannon[2][1] = kEmpty;
    // 1... h7e7 {顺炮} 2. h0g2 (2. b0c2), in place of 1... h9g7; a comment on 1. h2e2.
    Line alternative = {line_move(after_cannon, "h7e7"), {}};
    alternative[0].notes.comment = G("顺炮");
    Position p = after_cannon;
    p[7][4] = p[7][1];
    p[7][1] = kEmpty;
    alternative[1] = line_move(p, "h0g2");
    alternative[1].notes.alternatives.push_back({line_move(p, "b0c2")});
    game.notes_for(0).comment = G("中炮{}一行\n二行");
    game.notes_for(1).alternatives.push_back(alternative);
    const std::string pgn = utf8_pgn(game);
    EXPECT_NE(pgn.find("{开局}\n1. 炮二平五\n{中炮｛｝一行\n二行}\n1... 马８进７\n"
                       "(1... 炮８平５ {顺炮} 2. 马二进三 (2. 马八进七))\n2. 马二进三\n*\n"),
              std::string::npos)
        << pgn;
}

TEST(PgnWriter, AStartOtherThanTheStandardOneOrBlackFirstGetsAFen) {
    GameRecord game;
    game.fen_start = "4k4/9/9/9/9/9/9/9/9/3K5";
    game.reference = parse_fen_board(game.fen_start);
    game.first_to_move = Side::Black;
    game.moves.push_back(record(game.reference, "e9f9"));
    const std::string pgn = utf8_pgn(game);
    EXPECT_NE(pgn.find("[FEN \"4k4/9/9/9/9/9/9/9/9/3K5 b - - 0 1\"]\n1... 将５平６\n*\n"), std::string::npos) << pgn;

    GameRecord standard = opening();
    EXPECT_EQ(utf8_pgn(standard).find("[FEN"), std::string::npos);
    standard.first_to_move = Side::Black;
    standard.moves.clear();
    EXPECT_NE(utf8_pgn(standard).find("[FEN \"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR b"),
              std::string::npos);
}

TEST(PgnWriter, WritesIccsAndWxfWithTheirFormatTagAndTheCallersTags) {
    PgnOptions options;
    options.notation = notation::MoveWriting::Iccs;
    options.extra_tags = {{"Annotator", "engine"}};
    std::string pgn = utf8_pgn(opening(), options);
    EXPECT_NE(pgn.find("[Format \"ICCS\"]\n[Annotator \"engine\"]\n1. H2-E2 H9-G7\n2. H0-G2\n*\n"), std::string::npos)
        << pgn;
    options.notation = notation::MoveWriting::Wxf;
    pgn = utf8_pgn(opening(), options);
    EXPECT_NE(pgn.find("[Format \"WXF\"]\n[Annotator \"engine\"]\n1. C2.5 H8+7\n2. H2+3\n*\n"), std::string::npos)
        << pgn;
}

TEST(PgnWriter, TagValuesKeepToOneLineAndTheirQuotes) {
    GameRecord game = opening();
    game.info.event = "a \"b\"\r\nc";
    EXPECT_NE(utf8_pgn(game).find("[Event \"a ”b” c\"]"), std::string::npos);
    // Results other than PGN's own are written as unknown.
    game.info.result = G("红胜");
    EXPECT_NE(utf8_pgn(game).find("[Result \"*\"]"), std::string::npos);
}

}  // namespace
}  // namespace kelvara
