// The XQF, CBR/CBL and DhtmlXQ records of ../shared/corpus read to the main lines, lines
// of play and comments that independent readings of them give.

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "board/fen.h"
#include "game_dump.h"
#include "record/open_record.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::U;

struct Loaded {
    GameRecord game;
    MoveList list;
    OpenOutcome outcome;
};

Loaded load(const std::string& relative, int game_index = 0) {
    Loaded l;
    l.outcome = open_record(*test::corpus_dir() / relative, l.game, l.list, game_index);
    return l;
}

// The row's move as records write it: no turn number nor side, black's digits in full
// width (the rows use ASCII). UTF-8.
std::string move_of_row(const std::string& gbk_row) {
    static const char* const kWide[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    const std::string row = U(gbk_row);
    std::string out;
    for (const char c : row.substr(row.find("：") + std::string("：").size())) {
        if (c >= '0' && c <= '9')
            out += kWide[c - '0'];
        else
            out += c;
    }
    return out;
}

std::string first_moves(const MoveList& list, int count) {
    std::string out;
    for (int i = 0; i < count && i < list.row_count(); ++i) out += (i ? " " : "") + move_of_row(list.rows()[i].text);
    return out;
}

struct Expected {
    const char* file;
    int plies;
    int lines;
    int comments;
    const char* fen;  // "" for the standard start
    const char* result;
};

// Figures from SOURCES.md: plies of the main line, lines of play, comments.
constexpr Expected kXqf[] = {
    {"xqf/walker-test1-v10.xqf", 110, 1, 11, "", "0-1"},
    {"xqf/walker-test-XQFEXAMA.xqf", 110, 1, -1, "", "0-1"},
    {"xqf/eleeye-SAMPLE.xqf", 75, 1, 12, "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/9/1C5C1/9/RN2K2NR", "1-0"},
    {"xqf/walker-test_5_variations.xqf", 6, 5, -1, "", nullptr},
    {"xqf/hbsxcjp-danma11-endgame.xqf", 15, 4, 4, "9/4N4/3k5/9/2b6/9/9/9/9/5K3", "1-0"},
};

TEST(TreeCorpus, EveryXqfReadsToItsMainLineLinesAndComments) {
    KELVARA_REQUIRE_CORPUS();
    for (const Expected& e : kXqf) {
        SCOPED_TRACE(e.file);
        const Loaded l = load(e.file);
        ASSERT_TRUE(l.outcome.opened);
        EXPECT_FALSE(l.outcome.stop) << U(describe(*l.outcome.stop));
        EXPECT_EQ(static_cast<int>(l.game.moves.size()), e.plies);
        EXPECT_EQ(l.list.row_count(), e.plies);
        EXPECT_EQ(l.game.variation_count() + 1, e.lines);
        if (e.comments >= 0) {
            EXPECT_EQ(test::comment_count(l.game), e.comments);
        }
        EXPECT_EQ(l.game.fen_start, e.fen);
        if (e.result) {
            EXPECT_EQ(l.game.info.result, e.result);
        }
        EXPECT_EQ(l.game.first_to_move, Side::Red);
    }
}

TEST(TreeCorpus, TheXqfMainLineIsTheIndependentlyReadOne) {
    KELVARA_REQUIRE_CORPUS();
    const std::string text = test::read_file(*test::corpus_dir() / "xqf/walker-test1-expected-moves.txt");
    std::vector<std::string> expected;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);  // the FEN
    while (std::getline(lines, line)) {
        line.erase(line.find_last_not_of(" \r") + 1);
        if (line.size() == 12) expected.push_back(line);  // four characters; the result last
    }
    ASSERT_EQ(expected.size(), 110u);
    const Loaded l = load("xqf/walker-test1-v10.xqf");
    ASSERT_EQ(l.list.row_count(), 110);
    for (int i = 0; i < 110; ++i) EXPECT_EQ(move_of_row(l.list.rows()[i].text), expected[i]) << "move " << i + 1;
}

TEST(TreeCorpus, TheV10AndV18CopiesOfAGameReadAlike) {
    KELVARA_REQUIRE_CORPUS();
    const Loaded v10 = load("xqf/walker-test1-v10.xqf");
    const Loaded v18 = load("xqf/walker-test-XQFEXAMA.xqf");
    EXPECT_EQ(v10.game.moves, v18.game.moves);
    ASSERT_EQ(v10.list.row_count(), v18.list.row_count());
    for (int i = 0; i < v10.list.row_count(); ++i) EXPECT_EQ(v10.list.rows()[i].text, v18.list.rows()[i].text);
    EXPECT_EQ(v10.game.info.red, v18.game.info.red);
    EXPECT_EQ(v10.game.info.black, v18.game.info.black);
}

TEST(TreeCorpus, TheEndgameXqfHasTheLinesOfItsCoordinateConversion) {
    KELVARA_REQUIRE_CORPUS();
    const Loaded l = load("xqf/hbsxcjp-danma11-endgame.xqf");
    const std::vector<std::string> expected = {
        "f0e0 c5e7 e8g7 e7g5 g7f9 g5i7 f9h8 i7g5 h8f7 g5e7 f7e5 d7d8 e5c6 d8e8 c6e7",
        "f0e0 d7d8 e8d6 d8d7 e0e1 c5a7 d6b7",
        "f0e0 c5e7 e8g7 e7g9 g7f9 g9i7 f9h8 i7g5 h8f7 g5e7 f7e5 d7d8 e5c6",
        "f0e0 c5e7 e8g7 e7g9 g7f9 g9i7 f9h8 d7d8 h8f7 d8d7 e0e1",
    };
    EXPECT_EQ(test::lines_of_play(l.game), expected);
    EXPECT_FALSE(l.game.start_comment.empty());
}

TEST(TreeCorpus, TheCbrReadsItsTwoMovesAndThreeComments) {
    KELVARA_REQUIRE_CORPUS();
    const Loaded l = load("cbr/walker-test2.cbr");
    ASSERT_FALSE(l.outcome.stop);
    EXPECT_EQ(test::dump_game(l.game), "{李1} h2e2 {李2} h7e7 {李3}");
    EXPECT_EQ(U(l.list.rows()[1].text), "黑：炮8平5");
}

TEST(TreeCorpus, TheCblOffersItsGamesButNotItsHeadingsNorItsDeletedCopy) {
    KELVARA_REQUIRE_CORPUS();
    const std::string bytes = test::read_file(*test::corpus_dir() / "cbl/walker-1989-longhua-cup-38.cbl");
    const std::vector<GameSummary> games = list_record_games(bytes, "x.cbl");
    ASSERT_EQ(games.size(), 35u);
    EXPECT_EQ(U(games[0].title), "第一轮 徐天红 先和 徐天利");
    EXPECT_EQ(games[0].result, "1/2-1/2");
    EXPECT_EQ(games[0].plies, 60);
    int plies = 0;
    for (std::size_t i = 0; i < games.size(); ++i) {
        EXPECT_EQ(games[i].number, static_cast<int>(i) + 1);
        plies += games[i].plies;
        const Loaded l = load("cbl/walker-1989-longhua-cup-38.cbl", static_cast<int>(i));
        EXPECT_FALSE(l.outcome.stop) << i;
        EXPECT_EQ(static_cast<int>(l.game.moves.size()), games[i].plies) << i;
        EXPECT_EQ(l.game.title, games[i].title);
    }
    // Every main line of the library comes to 3209 plies; the deleted copy repeats the last game.
    EXPECT_EQ(plies + games.back().plies, 3209);

    const Loaded first = load("cbl/walker-1989-longhua-cup-38.cbl");
    EXPECT_EQ(first_moves(first.list, 6), "兵七进一 象３进５ 炮八平六 卒７进１ 马八进七 马２进３");
}

// The first game of the coordinate file, as ICCS moves.
std::vector<std::string> first_uci_game(const std::string& text) {
    std::vector<std::string> moves;
    const std::string first = text.substr(0, text.find("[Event", 1));
    const std::regex move("\\b[a-i][0-9][a-i][0-9]\\b");
    for (auto it = std::sregex_iterator(first.begin(), first.end(), move); it != std::sregex_iterator(); ++it)
        moves.push_back(it->str());
    return moves;
}

TEST(TreeCorpus, TheDhtmlXqPageReadsToTheMovesOfItsCoordinateTwin) {
    KELVARA_REQUIRE_CORPUS();
    const Loaded l = load("dhtmlxq/wukong-games_html-44.html");
    ASSERT_FALSE(l.outcome.stop);
    const auto expected =
        first_uci_game(test::read_file(*test::corpus_dir() / "pgn/wukong-bulk_games_uci-lowercase.pgn"));
    ASSERT_EQ(expected.size(), 127u);
    ASSERT_EQ(l.game.moves.size(), 127u);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(test::iccs(l.game.moves[i]), expected[i]) << i + 1;
    EXPECT_EQ(l.game.info.red, "ZHAO GuoRong");
    EXPECT_EQ(l.game.info.black, "KE YongQing");
    EXPECT_EQ(l.game.info.event, "Zhongli Cup TV fast game Champion");
    EXPECT_EQ(l.game.title.substr(0, 12), "China-Heilon");
}

}  // namespace
}  // namespace kelvara
