// Files of several games: `games` lists them, --game N picks one for every command; and
// what `moves --json` tells about a game besides its moves.
#include "cli_fixture.h"

namespace kelvara::test {
namespace {

const std::string kTwoGames = G(
    "[Event \"第一局\"]\n[Red \"甲\"]\n[Black \"乙\"]\n[Result \"1-0\"]\n{开局}\n"
    "1. 炮二平五 {中炮} 马８进７ (1... 炮８平５ {顺炮} 2. 马二进三 (2. 兵七进一)) 2. 马二进三 1-0\n\n"
    "[Event \"第二局\"]\n[Format \"ICCS\"]\n1. H2-E2 H9-G7\n");

Json parsed(const CliRun& run) {
    std::string why;
    const auto v = parse_json(run.out, &why);
    EXPECT_TRUE(v) << why << "\n" << run.out;
    return v.value_or(Json{});
}

TEST_F(CliTest, GamesListsEveryGameOfTheFile) {
    const std::string file = write("two.pgn", kTwoGames);
    CliRun run = run_cli({"games", file});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1\t第一局\t甲\t乙\t1-0\t3\n2\t第二局\t\t\t\t2\n");

    run = run_cli({"games", "--json", file});
    EXPECT_EQ(run.status, 0) << run.err;
    const Json v = parsed(run);
    ASSERT_EQ(v.keys(), std::vector<std::string>{"games"});
    const auto& games = v.find("games")->items;
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].keys(), (std::vector<std::string>{"number", "title", "red", "black", "result", "plies"}));
    EXPECT_EQ(games[1].find("number")->number, 2);
    EXPECT_EQ(games[1].find("title")->text, "第二局");
    EXPECT_EQ(games[0].find("plies")->number, 3);

    // A QQ record is one game.
    run = run_cli({"games", write("one.che", "1 1 25 32 1 2 1 2 4 0 1 0\n")});
    EXPECT_EQ(run.out, "1\t\t\t\t\t1\n");
    // A file no format takes is refused as by the other commands.
    run = run_cli({"games", write("notes.txt", "no record here")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("not a record file"), std::string::npos) << run.err;
}

TEST_F(CliTest, GameOptionPicksTheGameForEveryCommand) {
    const std::string file = write("two.pgn", kTwoGames);
    EXPECT_EQ(run_cli({"moves", file}).out, "1.红：炮二平五\n黑：马８进７\n2.红：马二进三\n");
    EXPECT_EQ(run_cli({"moves", "--game", "1", file}).out, "1.红：炮二平五\n黑：马８进７\n2.红：马二进三\n");
    EXPECT_EQ(run_cli({"moves", "--game", "2", file}).out, "1.红：炮二平五\n黑：马8进7\n");
    EXPECT_EQ(run_cli({"text", "--game", "2", file}).out, "1. 炮二平五 马8进7\n");
    const std::string picture = (dir().path() / "g2.bmp").string();
    const CliRun bmp = run_cli({"bmp", "--game", "2", "--move", "2", "-o", picture, file});
    EXPECT_EQ(bmp.status, 0) << bmp.err;
    EXPECT_NE(run_cli({"bmp", "--game", "2", "--move", "3", "-o", picture, file}).status, 0);  // two moves only

    const CliRun missing = run_cli({"moves", "--game", "3", file});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("has 2 games, not 3"), std::string::npos) << missing.err;
    for (const char* bad : {"0", "x", "-1"}) {
        const CliRun usage = run_cli({"moves", "--game", bad, file});
        EXPECT_EQ(usage.status, 2) << bad;
        EXPECT_NE(usage.err.find("--game"), std::string::npos) << usage.err;
    }
}

TEST_F(CliTest, JsonGivesTheGamesFactsCommentsAndAlternatives) {
    const std::string file = write("two.pgn", kTwoGames);
    const CliRun run = run_cli({"moves", "--json", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json v = parsed(run);
    ASSERT_TRUE(has_moves_shape(v)) << run.out;
    EXPECT_EQ(v.find("notation")->text, "chinese");
    EXPECT_EQ(v.find("event")->text, "第一局");
    EXPECT_EQ(v.find("red")->text, "甲");
    EXPECT_EQ(v.find("black")->text, "乙");
    EXPECT_EQ(v.find("result")->text, "1-0");
    EXPECT_EQ(v.find("comment")->text, "开局");
    EXPECT_EQ(v.find("variations")->number, 2);
    const auto& moves = v.find("moves")->items;
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0].find("comment")->text, "中炮");
    const auto& lines = moves[1].find("alternatives")->items;
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].items.size(), 2u);
    const Json& shun = lines[0].items[0];
    EXPECT_EQ(shun.find("text")->text, "黑：炮８平５");
    EXPECT_EQ(shun.find("comment")->text, "顺炮");
    EXPECT_EQ(shun.find("piece")->number, 9);
    EXPECT_EQ(lines[0].items[1].find("text")->text, "2.红：马二进三");
    EXPECT_EQ(lines[0].items[1].find("alternatives")->items.size(), 1u);

    const Json second = parsed(run_cli({"moves", "--json", "--game", "2", file}));
    EXPECT_EQ(second.find("notation")->text, "iccs");
    EXPECT_EQ(second.find("red")->text, "");
    EXPECT_EQ(second.find("variations")->number, 0);
    EXPECT_EQ(parsed(run_cli({"moves", "--json", write("qq.che", "1 1 25 32 1 2 1 2 4 0 1 0\n")}))
                  .find("notation")
                  ->text,
              "qq");
}

}  // namespace
}  // namespace kelvara::test
