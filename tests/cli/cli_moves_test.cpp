// What `moves`, `moves --json` and `text` print for small records of both kinds.
#include "cli_fixture.h"

namespace kelvara::test {
namespace {

// 炮二平五, 马8进7, 马八进七 as QQ move groups.
const std::string kQq = "1 3 25 32 1 2 1 2 4 0 1 0 5 32 0 9 1 7 2 0 2 0 22 32 1 0 7 2 6 0 3 0\n";

std::string pgn(const std::string& tags, const std::string& moves) { return G(tags + "\r\n" + moves + "\r\n"); }

Json moves_json(const std::string& file) {
    const CliRun run = run_cli({"moves", "--json", file});
    EXPECT_EQ(run.status, 0) << run.err;
    std::string why;
    const auto v = parse_json(run.out, &why);
    EXPECT_TRUE(v) << why << "\n" << run.out;
    if (!v) return {};
    EXPECT_TRUE(has_moves_shape(*v)) << run.out;
    return *v;
}

std::vector<int> square(const Json& v) { return {int(v.items.at(0).number), int(v.items.at(1).number)}; }

TEST_F(CliTest, MovesPrintsTheRowsAsUtf8) {
    CliRun run = run_cli({"moves", write("qq.che", kQq)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1.红：炮二平五\n黑：马8进7\n2.红：马八进七\n");
    EXPECT_EQ(run.err, "");

    run = run_cli({"moves", write("game.pgn", pgn("[Event \"对局\"]", "1. 炮二平五 马８进７ 2. 马八进七 1-0"))});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1.红：炮二平五\n黑：马８进７\n2.红：马八进七\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(CliTest, JsonCarriesTitleFenMovesAndNoStop) {
    const Json v = moves_json(write("game.pgn", pgn("[Event \"对局\"]\r\n[FEN \"4k4/9/9/9/9/9/9/9/9/4KA3 w - - 0 1\"]",
                                                    "1. 仕四进五 将５平４")));
    EXPECT_EQ(v.find("title")->text, "对局");
    EXPECT_EQ(v.find("fen")->text, "4k4/9/9/9/9/9/9/9/9/4KA3");
    EXPECT_EQ(v.find("stopped")->kind, Json::Kind::Null);
    const auto& moves = v.find("moves")->items;
    ASSERT_EQ(moves.size(), 2u);
    // Record squares in standard orientation: red's back rank is row 0, files from red's right.
    EXPECT_EQ(moves[0].find("piece")->number, 17);
    EXPECT_EQ(square(*moves[0].find("from")), (std::vector<int>{0, 3}));
    EXPECT_EQ(square(*moves[0].find("to")), (std::vector<int>{1, 4}));
    EXPECT_EQ(moves[0].find("text")->text, "1.红：仕四进五");
    EXPECT_EQ(moves[1].find("piece")->number, 0);
    EXPECT_EQ(square(*moves[1].find("from")), (std::vector<int>{9, 4}));
    EXPECT_EQ(square(*moves[1].find("to")), (std::vector<int>{9, 5}));
    EXPECT_EQ(moves[1].find("text")->text, "黑：将５平４");
}

TEST_F(CliTest, JsonTitleFallsBackToTheFileNameAndIsEscaped) {
    Json v = moves_json(write("开局.che", kQq));
    EXPECT_EQ(v.find("title")->text, "开局");
    EXPECT_EQ(v.find("fen")->text, "");
    ASSERT_EQ(v.find("moves")->items.size(), 3u);
    EXPECT_EQ(v.find("moves")->items[1].find("text")->text, "黑：马8进7");

    v = moves_json(write("say \"hi\".che", kQq));
    EXPECT_EQ(v.find("title")->text, "say \"hi\"");
    v = moves_json(write("tabs.pgn", pgn("[Event \"a\\b\tc\"]", "1. 炮二平五")));
    EXPECT_EQ(v.find("title")->text, "a\\b\tc");
}

TEST_F(CliTest, ARecordThatStopsEarlyPrintsTheMovesBeforeItAndWarns) {
    // 马三进五: no red horse stands on file 三.
    const std::string file = write("stops.pgn", pgn("", "1. 炮二平五 马８进７ 2. 马三进五 车９平８"));
    const Json v = moves_json(file);
    ASSERT_EQ(v.find("moves")->items.size(), 2u);
    const Json& stopped = *v.find("stopped");
    ASSERT_EQ(stopped.kind, Json::Kind::Object);
    EXPECT_EQ(stopped.find("move")->number, 3);
    EXPECT_NE(stopped.find("reason")->text.find("马三进五"), std::string::npos) << stopped.find("reason")->text;

    const CliRun run = run_cli({"moves", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1.红：炮二平五\n黑：马８进７\n");
    EXPECT_NE(run.err.find("warning"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("马三进五"), std::string::npos) << run.err;

    // A QQ record announcing more moves than it holds.
    const CliRun qq = run_cli({"moves", "--json", write("short.che", "1 5 25 32 1 2 1 2 4 0 1 0\n")});
    EXPECT_EQ(qq.status, 0);
    const auto q = parse_json(qq.out);
    ASSERT_TRUE(q);
    EXPECT_TRUE(has_moves_shape(*q));
    EXPECT_EQ(q->find("stopped")->find("move")->number, 2);
    EXPECT_NE(qq.err.find("warning"), std::string::npos) << qq.err;
}

TEST_F(CliTest, TextJoinsLinesWithCrLf) {
    CliRun run = run_cli({"text", write("qq.che", kQq)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1. 炮二平五 马8进7\r\n2. 马八进七\n");

    run = run_cli({"text", write("one.pgn", pgn("", "1. 炮二平五 马８进７"))});
    EXPECT_EQ(run.out, "1. 炮二平五 马８进７\n");
    // A start position without moves copies as that position.
    run = run_cli({"text", write("end.pgn", "[FEN \"4k4/9/9/9/9/9/9/9/9/4K4 w - - 0 1\"]\n")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "4k4/9/9/9/9/9/9/9/9/4K4\n");
}

}  // namespace
}  // namespace kelvara::test
