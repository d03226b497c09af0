// Every public record of ../shared/corpus loads: its main line whole, every ply, nothing
// from its variations; and the notation writer writes back each move as the file wrote it.

#include <gtest/gtest.h>

#include <map>

#include "notation/move_notation.h"
#include "record/open_record.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::U;

// Main-line plies of each single-game GBK or UTF-8 record (counted by replaying each
// file's main line on a board, independently of this program).
const std::map<std::string, int> kPlies = {
    {"gmchess-test-2009-0324-comments-utf8.pgn", 62},  {"gmchess-test-2009-0326-crlf-eqprefix-utf8.pgn", 108},
    {"gmchess-test-head-asciidigits-utf8.pgn", 51},    {"hbsxcjp-bing-ordinal-synthetic.pgn", 129},
    {"hbsxcjp-cchess-01-endgame-variations.pgn", 7},   {"hbsxcjp-cchess-nx-no-final-eol.pgn", 75},
    {"hbsxcjp-jiabaobei-151ply.pgn", 151},             {"hbsxcjp-nanbei1987-109ply.pgn", 109},
    {"hbsxcjp-pgnzh-danma11-endgame.pgn", 15},         {"hbsxcjp-pgnzh-wuyang2001-r1-annotated.pgn", 84},
    {"hbsxcjp-pgnzh-wuyang2001-r5-186ply.pgn", 186},   {"hbsxcjp-shilinbei1998.pgn", 67},
    {"hbsxcjp-wuyangbei1989-221ply.pgn", 221},         {"walker-endgame-fen-w.pgn", 25},
    {"walker-test-xqbase-trailer.pgn", 25},            {"walker-test2-102ply.pgn", 102},
    {"walker-zhongpao-liepao.pgn", 23},                {"xqbase-bugchess-bg4-bg14-292ply.pgn", 292},
    {"xqbase-bugchess-bg4-bg15-347ply.pgn", 347},      {"xqbase-ccgc11-prefixes.pgn", 89},
    {"xqbase-ccgc13-174ply.pgn", 174},                 {"xqbase-ccgc16-154ply.pgn", 154},
    {"xqbase-ccgc22-prefixes.pgn", 103},               {"xqbase-ccgc23-tianji-221ply.pgn", 221},
    {"xqbase-funnychess-001.pgn", 9},                  {"xqbase-funnychess-145-fen-dot.pgn", 9},
    {"xqbase-funnychess-216-zhongzu.pgn", 13},         {"xqbase-xqftools-sample-fen.pgn", 75},
    {"xqr-2009-jiangchuan-543ply-utf8.pgn", 543},      {"xqwizard-elephantbase-sample.pgn", 110},
    {"xqwizard-juzhongmi-1-01.pgn", 25},               {"zfdang-sample02-plain-twin.pgn", 45},
    {"zfdang-sample03-131ply.pgn", 131},               {"zfdang-sample14-qqchess.che", 62},
};
const char* const kBig5[] = {"xqwizard-juzhongmi-1-01-big5.pgn", "xqwizard-sample-big5.pgn"};
const char* const kFifteenGames[] = {"wukong-xqdb-traditional-15games-utf8.pgn",
                                     "wukong-xqdb-traditional-glued-utf8.pgn"};

struct Loaded {
    GameRecord game;
    MoveList list;
    OpenOutcome outcome;
};

Loaded load(const std::filesystem::path& path) {
    Loaded l;
    l.outcome = open_record(path, l.game, l.list);
    return l;
}

std::vector<std::filesystem::path> all_records() {
    auto files = test::corpus_files(".pgn");
    for (auto& f : test::corpus_files(".che")) files.push_back(f);
    return files;
}

TEST(Corpus, EveryGbkAndUtf8GameLoadsWhole) {
    KELVARA_REQUIRE_CORPUS();
    int files = 0, plies = 0;
    for (const auto& path : all_records()) {
        const std::string name = path.filename().string();
        const auto expected = kPlies.find(name);
        if (expected == kPlies.end()) continue;
        const Loaded l = load(path);
        ASSERT_TRUE(l.outcome.opened) << name;
        EXPECT_FALSE(l.outcome.stop) << name << ": " << U(describe(*l.outcome.stop));
        EXPECT_EQ(static_cast<int>(l.game.moves.size()), expected->second) << name;
        EXPECT_EQ(l.list.row_count(), static_cast<int>(l.game.moves.size())) << name;
        ++files;
        plies += static_cast<int>(l.game.moves.size());
    }
    EXPECT_EQ(files, static_cast<int>(kPlies.size()));
    std::printf("[ corpus   ] %d single-game records, %d plies loaded whole\n", files, plies);
}

TEST(Corpus, MultiGameFilesLoadTheirFirstGame) {
    KELVARA_REQUIRE_CORPUS();
    const auto dir = *test::corpus_dir();
    const Loaded spaced = load(dir / "pgn" / kFifteenGames[0]);
    const Loaded glued = load(dir / "pgn" / kFifteenGames[1]);
    EXPECT_FALSE(spaced.outcome.stop);
    EXPECT_FALSE(glued.outcome.stop);
    EXPECT_GE(spaced.game.moves.size(), 43u);
    EXPECT_LE(spaced.game.moves.size(), 127u);
    EXPECT_EQ(spaced.game.moves, glued.game.moves);
    EXPECT_EQ(spaced.game.title, glued.game.title);
}

// Without a start position of its own such a file gives nothing to show and is refused,
// with the reason.
TEST(Corpus, Big5FilesStopWithAReportAtTheFirstMove) {
    KELVARA_REQUIRE_CORPUS();
    const auto dir = *test::corpus_dir();
    for (const char* name : kBig5) {
        const Loaded l = load(dir / "pgn" / name);
        ASSERT_TRUE(l.outcome.stop) << name;
        EXPECT_EQ(l.outcome.stop->move, 1) << name;
        EXPECT_TRUE(l.game.moves.empty()) << name;
        EXPECT_EQ(l.outcome.opened, !l.game.fen_start.empty()) << name;
    }
}

// The writer's text for a move, in the form a record writes it: without the side prefix
// and with black's digits in full width.
std::string as_written(std::string text) {
    text.erase(0, 4);
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            out += '\xA3';
            out += static_cast<char>(0xB0 + (c - '0'));
        } else {
            out += c;
        }
    }
    return out;
}

// Each move of each PGN game, replayed on the board before it, is written back by the
// writer as the file wrote it, except where the file leaves out a 前/后 the writer adds.
TEST(Corpus, TheWriterWritesBackEveryMove) {
    KELVARA_REQUIRE_CORPUS();
    int compared = 0;
    std::vector<std::string> differences;
    for (const auto& path : test::corpus_files(".pgn")) {
        const Loaded l = load(path);
        GameRecord replay = l.game;
        replay.flip_state = 0;
        replay.restore_start_position();
        if (replay.fen_start.empty()) replay.set_up_initial_position();
        const bool black_first = !l.list.empty() && l.list.rows()[0].text.rfind("\xBA\xDA", 0) == 0;
        for (std::size_t i = 0; i < l.game.moves.size(); ++i) {
            const MoveRecord& m = l.game.moves[i];
            const bool red = (i % 2 == 0) != black_first;
            const std::string text = as_written(
                move_notation(m.piece, red ? 1 : 0, m.from_row, m.from_column, m.to_row, m.to_column, replay.board));
            std::string row = l.list.rows()[i].text;
            row = as_written(row.substr(row.find("\xA3\xBA") - 2));
            if (text != row)
                differences.push_back(path.filename().string() + " move " + std::to_string(i + 1) + ": file " + U(row) +
                                      ", writer " + U(text));
            replay.board[m.from_row][m.from_column] = kEmpty;
            replay.board[m.to_row][m.to_column] = m.piece;
            ++compared;
        }
    }
    for (const auto& d : differences) std::printf("[ differs  ] %s\n", d.c_str());
    std::printf("[ corpus   ] %d moves compared, %zu written differently\n", compared, differences.size());
    // zfdang-sample02 writes 车２进３ / 车２平４ for a chariot whose twin shares its file.
    for (const auto& d : differences) EXPECT_EQ(d.rfind("zfdang-sample02-plain-twin.pgn", 0), 0u) << d;
    EXPECT_GT(compared, 4000);
}

}  // namespace
}  // namespace kelvara
