// Every public record opens through kelvara-cli: exit status 0, valid JSON of the right
// shape, a warning exactly when the record stops early, and the same moves in every form;
// or, for a file of which no move and no start position can be read, exit status 1 with
// a message that says so.
#include <algorithm>
#include <filesystem>

#include "cli_fixture.h"

namespace kelvara::test {
namespace {

TEST(CliCorpus, EveryRecordGivesValidJsonAndAgreeingOutputs) {
    KELVARA_REQUIRE_CORPUS();
    auto files = corpus_files(".pgn");
    for (const char* extension : {".che", ".xqf", ".cbr", ".cbl", ".html"})
        for (const auto& f : corpus_files(extension)) files.push_back(f);
    ASSERT_FALSE(files.empty());
    int refused = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const CliRun json = run_cli({"moves", "--json", path.string()});
        if (json.err.find("not a record file that can be opened") != std::string::npos) {
            EXPECT_EQ(json.status, 1);
            EXPECT_EQ(json.out, "");
            ++refused;
            continue;
        }
        ASSERT_EQ(json.status, 0) << json.err;
        std::string why;
        const auto v = parse_json(json.out, &why);
        ASSERT_TRUE(v) << why;
        ASSERT_TRUE(has_moves_shape(*v));
        const bool stopped = v->find("stopped")->kind != Json::Kind::Null;
        EXPECT_EQ(!json.err.empty(), stopped) << json.err;

        const CliRun rows = run_cli({"moves", path.string()});
        ASSERT_EQ(rows.status, 0);
        std::string expected;
        for (const Json& m : v->find("moves")->items) expected += m.find("text")->text + "\n";
        EXPECT_EQ(rows.out, expected);

        // Two rows to a line of the text record.
        const CliRun text = run_cli({"text", path.string()});
        EXPECT_EQ(text.status, 0);
        const std::size_t lines = (v->find("moves")->items.size() + 1) / 2;
        std::size_t breaks = 0;
        for (std::size_t at = text.out.find("\r\n"); at != std::string::npos; at = text.out.find("\r\n", at + 2))
            ++breaks;
        EXPECT_EQ(breaks, lines > 0 ? lines - 1 : 0);
    }
    // Every public record is read, whatever its notation and encoding.
    EXPECT_EQ(refused, 0);
}

// A CBL library lists its games, and --game N opens each with the plies the list gives.
TEST(CliCorpus, ALibrarysGamesAreListedAndEachOpensByItsNumber) {
    KELVARA_REQUIRE_CORPUS();
    const auto libraries = corpus_files(".cbl");
    ASSERT_FALSE(libraries.empty());
    for (const auto& path : libraries) {
        SCOPED_TRACE(path.filename().string());
        const CliRun listed = run_cli({"games", "--json", path.string()});
        ASSERT_EQ(listed.status, 0) << listed.err;
        const auto v = parse_json(listed.out);
        ASSERT_TRUE(v);
        const auto& games = v->find("games")->items;
        ASSERT_GT(games.size(), 1u);
        for (const std::size_t i : {std::size_t{0}, games.size() / 2, games.size() - 1}) {
            const CliRun moves = run_cli({"moves", "--game", std::to_string(i + 1), path.string()});
            ASSERT_EQ(moves.status, 0) << moves.err;
            const auto rows = static_cast<std::size_t>(std::count(moves.out.begin(), moves.out.end(), '\n'));
            EXPECT_EQ(rows, static_cast<std::size_t>(games[i].find("plies")->number)) << i;
        }
        const CliRun past = run_cli({"moves", "--game", std::to_string(games.size() + 1), path.string()});
        EXPECT_EQ(past.status, 1);
    }
}

}  // namespace
}  // namespace kelvara::test
