// Every game of every public PGN and coordinate record of ../shared/corpus reads whole,
// every ply of its main line; games that exist in several encodings or notations give the
// same moves in each; and the notation writer writes back each Chinese move as the file
// wrote it.

#include <gtest/gtest.h>

#include <map>

#include "board/rules.h"
#include "notation/chinese_notation.h"
#include "notation/notation_words.h"
#include "platform/text.h"
#include "record/open_record.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::U;

// Main-line plies of each single-game record (counted by replaying each file's main line
// on a board, independently of this program).
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
    {"xqwizard-juzhongmi-1-01-big5.pgn", 25},          {"xqwizard-sample-big5.pgn", 75},
    {"juzhongmi-1-17-big5.pgn", 63},                   {"juzhongmi-1-17-gbk-twin.pgn", 63},
    {"ccpd-midgame-00000001-black-first-big5.pgn", 31}, {"elephantchess-pgn0-issue_545-winboard.pgn", 112},
    {"hbsxcjp-danma11-endgame.pgn_iccs", 15},
};

// The same fifteen games in four files: traditional Chinese spaced and glued, full-width
// WXF, lower-case coordinates.
constexpr int kFifteenPlies[] = {127, 76, 104, 73, 120, 107, 43, 95, 99, 85, 81, 124, 125, 45, 74};
const char* const kFifteenGames[] = {
    "wukong-xqdb-traditional-15games-utf8.pgn",
    "wukong-xqdb-traditional-glued-utf8.pgn",
    "wukong-xqdb_international-15games-fullwidth.pgn",
    "wukong-bulk_games_uci-lowercase.pgn",
};

struct Loaded {
    GameRecord game;
    MoveList list;
    OpenOutcome outcome;
};

Loaded load(const std::filesystem::path& path, int game_index = 0) {
    Loaded l;
    l.outcome = open_record(path, l.game, l.list, game_index);
    return l;
}

std::filesystem::path corpus(const std::string& folder, const std::string& name) {
    return *test::corpus_dir() / folder / name;
}

std::vector<std::filesystem::path> all_records() {
    std::vector<std::filesystem::path> files;
    for (const char* extension : {".pgn", ".che", ".pgn_iccs"})
        for (auto& f : test::corpus_files(extension)) files.push_back(f);
    return files;
}

TEST(Corpus, EverySingleGameRecordReadsWhole) {
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
        EXPECT_EQ(list_record_file_games(path).size(), 1u) << name;
        ++files;
        plies += static_cast<int>(l.game.moves.size());
    }
    EXPECT_EQ(files, static_cast<int>(kPlies.size()));
    std::printf("[ corpus   ] %d single-game records, %d plies read whole\n", files, plies);
}

std::vector<MoveRecord> moves_of(const std::string& name, int game_index = 0) {
    return load(corpus("pgn", name), game_index).game.moves;
}

// The first ply at which two games part, or -1 when they are equal.
int first_difference(const std::vector<MoveRecord>& a, const std::vector<MoveRecord>& b) {
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i].from() != b[i].from() || a[i].to() != b[i].to()) return static_cast<int>(i);
    return a.size() == b.size() ? -1 : static_cast<int>(std::min(a.size(), b.size()));
}

TEST(Corpus, FifteenGamesInFourFilesAndThreeNotationsAgree) {
    KELVARA_REQUIRE_CORPUS();
    for (const char* name : kFifteenGames) {
        const auto games = list_record_file_games(corpus("pgn", name));
        ASSERT_EQ(games.size(), 15u) << name;
        for (int g = 0; g < 15; ++g) {
            EXPECT_EQ(games[g].plies, kFifteenPlies[g]) << name << " game " << g + 1;
            const Loaded l = load(corpus("pgn", name), g);
            EXPECT_FALSE(l.outcome.stop) << name << " game " << g + 1;
            EXPECT_EQ(static_cast<int>(l.game.moves.size()), kFifteenPlies[g]) << name << " game " << g + 1;
            std::string title = games[g].title;
            cut_title(title);
            EXPECT_EQ(l.game.title, title);
        }
    }
    int equal = 0;
    for (int g = 0; g < 15; ++g) {
        const auto chinese = moves_of(kFifteenGames[0], g);
        EXPECT_EQ(first_difference(chinese, moves_of(kFifteenGames[1], g)), -1) << "game " << g + 1;
        EXPECT_EQ(first_difference(chinese, moves_of(kFifteenGames[2], g)), -1) << "game " << g + 1;
        const int coordinates = first_difference(chinese, moves_of(kFifteenGames[3], g));
        equal += coordinates == -1;
        // Game 2's coordinate file moves the other of two pawns at ply 71 (前兵 for 后兵).
        if (g == 1) {
            EXPECT_EQ(coordinates, 70);
        }
    }
    EXPECT_EQ(equal, 14);
}

TEST(Corpus, Big5RecordsGiveTheMovesOfTheirGbkTwins) {
    KELVARA_REQUIRE_CORPUS();
    const std::pair<const char*, const char*> twins[] = {
        {"juzhongmi-1-17-big5.pgn", "juzhongmi-1-17-gbk-twin.pgn"},
        {"xqwizard-juzhongmi-1-01-big5.pgn", "xqwizard-juzhongmi-1-01.pgn"},
        {"xqwizard-sample-big5.pgn", "xqbase-xqftools-sample-fen.pgn"},
    };
    for (const auto& [big5, gbk] : twins) {
        const Loaded b = load(corpus("pgn", big5));
        const Loaded g = load(corpus("pgn", gbk));
        EXPECT_EQ(b.game.moves, g.game.moves) << big5;
        EXPECT_EQ(b.game.notes.size(), g.game.notes.size()) << big5;
        // Traditional characters stay traditional: 馬 where the GBK twin has 马.
        bool traditional = false;
        for (const MoveRow& row : b.list.rows()) traditional |= row.text.find(test::G("馬")) != std::string::npos;
        EXPECT_TRUE(traditional) << big5;
    }
    const Loaded black_first = load(corpus("pgn", "ccpd-midgame-00000001-black-first-big5.pgn"));
    EXPECT_EQ(black_first.game.first_to_move, Side::Black);
    EXPECT_EQ(U(black_first.list.rows()[0].text), "黑：車５平８");
    EXPECT_EQ(U(black_first.game.title), "北方杯 (1)三軍逼宮");
}

TEST(Corpus, CoordinateAndAlgebraicRecordsMatchTheirOtherReadings) {
    KELVARA_REQUIRE_CORPUS();
    const Loaded iccs = load(corpus("iccs", "hbsxcjp-danma11-endgame.pgn_iccs"));
    const Loaded chinese = load(corpus("pgn", "hbsxcjp-pgnzh-danma11-endgame.pgn"));
    EXPECT_EQ(iccs.game.notation, "iccs");
    EXPECT_EQ(iccs.game.moves, chinese.game.moves);
    EXPECT_EQ(iccs.game.variation_count(), chinese.game.variation_count());
    EXPECT_EQ(iccs.game.variation_count(), 3);

    const Loaded winboard = load(corpus("pgn", "elephantchess-pgn0-issue_545-winboard.pgn"));
    EXPECT_EQ(winboard.game.notation, "algebraic");
    ASSERT_GE(winboard.game.moves.size(), 4u);
    // b2e2 b9c7 b0c2 a9b9 in coordinates; the engine's evaluation after ply 2.
    const Move first_four[] = {{{2, 7}, {2, 4}}, {{9, 7}, {7, 6}}, {{0, 7}, {2, 6}}, {{9, 8}, {9, 7}}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(winboard.game.moves[i].from(), first_four[i].from) << i;
        EXPECT_EQ(winboard.game.moves[i].to(), first_four[i].to) << i;
    }
    EXPECT_EQ(winboard.game.notes_of(1).comment, "-0.27/28 29");
    EXPECT_EQ(U(winboard.list.rows()[0].text), "1.红：炮八平五");
}

TEST(Corpus, CommentsAndVariationsAreKept) {
    KELVARA_REQUIRE_CORPUS();
    const Loaded sample = load(corpus("pgn", "xqbase-xqftools-sample-fen.pgn"));
    int comments = sample.game.start_comment.empty() ? 0 : 1;
    for (const MoveNotes& n : sample.game.notes) comments += !n.comment.empty();
    EXPECT_EQ(comments, 12);
    EXPECT_FALSE(sample.game.start_comment.empty());
    const Loaded annotated = load(corpus("pgn", "hbsxcjp-pgnzh-wuyang2001-r5-186ply.pgn"));
    EXPECT_EQ(annotated.game.variation_count(), 8);
}

// A move's characters by what they mean, so that scripts and numeral styles compare equal.
std::string canonical(std::string_view move) {
    std::string out;
    for (const std::string_view c : gbk::characters(move)) {
        const notation::WordMeaning m = notation::meaning_of(c);
        switch (m.role) {
            case notation::WordMeaning::Role::Piece: out += "P" + std::to_string(static_cast<int>(m.piece)); break;
            case notation::WordMeaning::Role::Number: out += "N" + std::to_string(m.number); break;
            case notation::WordMeaning::Role::Direction: out += "D" + std::to_string(static_cast<int>(m.direction)); break;
            case notation::WordMeaning::Role::Place: out += "Q" + std::to_string(static_cast<int>(m.place)); break;
            default: out += c;
        }
    }
    return out;
}

// Each Chinese move of each record, replayed on the board before it, is written back by
// the writer as the file wrote it, except where the file leaves out a 前/后 the writer adds.
TEST(Corpus, TheWriterWritesBackEveryChineseMove) {
    KELVARA_REQUIRE_CORPUS();
    int compared = 0;
    std::vector<std::string> differences;
    for (const auto& path : test::corpus_files(".pgn")) {
        for (std::size_t g = 0; g < list_record_file_games(path).size(); ++g) {
            const Loaded l = load(path, static_cast<int>(g));
            if (l.game.notation != "chinese") continue;
            GameRecord replay = l.game;
            replay.flip_state = 0;
            replay.set_up_start_position();
            for (std::size_t i = 0; i < l.game.moves.size(); ++i) {
                const MoveRecord& m = l.game.moves[i];
                const std::string text = notation::chinese_move_text(replay.board, {m.from(), m.to()});
                const std::string& row = l.list.rows()[i].text;
                const std::string file = row.substr(row.find("\xA3\xBA") + 2);  // after "红：" or "黑："
                if (canonical(text) != canonical(file))
                    differences.push_back(path.filename().string() + " move " + std::to_string(i + 1) + ": file " +
                                          U(file) + ", writer " + U(text));
                make_move(replay.board, {m.from(), m.to()});
                ++compared;
            }
        }
    }
    for (const auto& d : differences) std::printf("[ differs  ] %s\n", d.c_str());
    std::printf("[ corpus   ] %d moves compared, %zu written differently\n", compared, differences.size());
    // zfdang-sample02 writes 车２进３ / 车２平４ for a chariot whose twin shares its file.
    for (const auto& d : differences) EXPECT_EQ(d.rfind("zfdang-sample02-plain-twin.pgn", 0), 0u) << d;
    EXPECT_GT(compared, 6500);
}

}  // namespace
}  // namespace kelvara
