// `pgn` writes the game as PGN; FILE - reads the record from standard input.
#include <filesystem>

#include "cli_fixture.h"

namespace kelvara::test {
namespace {

constexpr const char* kPage =
    "<p>[DhtmlXQ][DhtmlXQ_title]对局[/DhtmlXQ_title][DhtmlXQ_movelist]77477062[/DhtmlXQ_movelist]"
    "[DhtmlXQ_comment2]屏风马[/DhtmlXQ_comment2][/DhtmlXQ]</p>";

TEST_F(CliTest, PgnWritesGbkWithCrLfOrWhatTheOptionsAsk) {
    const std::string page = write("page.html", kPage);
    CliRun run = run_cli({"pgn", page});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(G("[Event \"对局\"]\r\n")), std::string::npos);
    EXPECT_NE(run.out.find(G("1. 炮二平五 马８进７\r\n{屏风马}\r\n*\r\n")), std::string::npos) << U(run.out);

    run = run_cli({"pgn", "--encoding", "utf-8", "--notation", "iccs", page});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("[Format \"ICCS\"]\r\n1. H2-E2 H9-G7\r\n{屏风马}\r\n"), std::string::npos) << run.out;

    run = run_cli({"pgn", "--notation", "wxf", page});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("[Format \"WXF\"]\r\n1. C2.5 H8+7\r\n"), std::string::npos) << run.out;

    const std::string out = (dir().path() / "out.pgn").string();
    run = run_cli({"pgn", page, "-o", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, out + "\n");
    EXPECT_EQ(read_file(out), run_cli({"pgn", page}).out);
}

TEST_F(CliTest, PgnRefusesWhatItCannotDo) {
    const std::string page = write("page.html", kPage);
    for (const auto& args : std::vector<std::vector<std::string>>{{"pgn", "--notation", "german", page},
                                                                 {"pgn", "--encoding", "latin1", page},
                                                                 {"pgn", "--game", "0", page},
                                                                 {"pgn"}}) {
        const CliRun run = run_cli(args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_EQ(run.out, "");
    }
    const CliRun unwritable = run_cli({"pgn", page, "-o", (dir().path() / "no folder" / "x.pgn").string()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
}

TEST_F(CliTest, ADashReadsTheRecordFromStandardInput) {
    CliRun run = run_cli({"moves", "-"}, {.input = G(kPage)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1.红：炮二平五\n黑：马8进7\n");
    run = run_cli({"text", "-"}, {.input = "1 1 25 32 1 2 1 2 4 0 1 0\n"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1. 炮二平五\n");
    run = run_cli({"moves", "-"}, {.input = "no record here"});
    EXPECT_EQ(run.status, 1);
    // A text of several games lists them and gives the one asked for.
    const std::string two = "[Event \"a\"]\n1. h2e2 *\n\n[Event \"b\"]\n1. c3c4 h9g7 *\n";
    run = run_cli({"games", "-"}, {.input = two});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1\ta\t\t\t*\t1\n2\tb\t\t\t*\t2\n");
    run = run_cli({"moves", "--game", "2", "-"}, {.input = two});
    EXPECT_EQ(run.out, "1.红：兵七进一\n黑：马8进7\n");
    run = run_cli({"moves", "--game", "3", "-"}, {.input = two});
    EXPECT_EQ(run.status, 1);
}

}  // namespace
}  // namespace kelvara::test
