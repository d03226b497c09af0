// Every game of every public record, written as PGN in each notation the writer offers and
// opened again, is the same game: its start, the side that opens, its moves, comments and
// alternatives at every depth.

#include <gtest/gtest.h>

#include "board/fen.h"
#include "game_dump.h"
#include "platform/text.h"
#include "record/open_record.h"
#include "record/pgn_writer.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;

// A comment as PGN carries it: braces inside it in full width, so that it keeps its place,
// and without the carriage returns and blanks at its ends that the reader drops.
std::string as_carried(const std::string& comment) {
    std::string out = gbk::replace_all(gbk::replace_all(gbk::replace_all(comment, "\r", ""), "{", G("｛")), "}",
                                       G("｝"));
    const std::size_t first = out.find_first_not_of(" \t\n");
    const std::size_t last = out.find_last_not_of(" \t\n");
    return first == std::string::npos ? std::string() : out.substr(first, last - first + 1);
}

void carry_comments(std::vector<Line>& lines) {
    for (Line& line : lines)
        for (LineMove& m : line) {
            m.notes.comment = as_carried(m.notes.comment);
            carry_comments(m.notes.alternatives);
        }
}

GameRecord as_carried(GameRecord game) {
    game.start_comment = as_carried(game.start_comment);
    for (MoveNotes& notes : game.notes) {
        notes.comment = as_carried(notes.comment);
        carry_comments(notes.alternatives);
    }
    return game;
}

// The start as FEN, written afresh from the board; "" for the standard one.
std::string start_of(const GameRecord& game) { return game.fen_start.empty() ? "" : fen_board(game.reference); }

TEST(PgnRoundTrip, EveryCorpusGameReadsBackAlikeFromItsPgn) {
    KELVARA_REQUIRE_CORPUS();
    int games = 0;
    for (const char* extension : {".pgn", ".che", ".xqf", ".cbr", ".cbl", ".html", ".pgn_iccs"}) {
        for (const auto& path : test::corpus_files(extension)) {
            const std::vector<GameSummary> listed = list_record_file_games(path);
            for (std::size_t g = 0; g < listed.size(); ++g) {
                SCOPED_TRACE(path.filename().string() + " game " + std::to_string(g + 1));
                GameRecord game;
                MoveList list;
                if (!open_record(path, game, list, static_cast<int>(g)).opened) continue;
                ++games;
                for (const auto writing :
                     {notation::MoveWriting::Chinese, notation::MoveWriting::Wxf, notation::MoveWriting::Iccs}) {
                    PgnOptions options;
                    options.notation = writing;
                    const std::string pgn = write_pgn(game, options);
                    GameRecord again;
                    MoveList rows;
                    const OpenOutcome outcome = open_record_bytes(pgn, "again.pgn", again, rows);
                    ASSERT_TRUE(outcome.opened) << static_cast<int>(writing);
                    EXPECT_FALSE(outcome.stop) << static_cast<int>(writing) << ": " << test::U(describe(*outcome.stop));
                    EXPECT_EQ(start_of(again), start_of(game));
                    EXPECT_EQ(again.first_to_move, game.first_to_move);
                    EXPECT_EQ(test::dump_game(again), test::dump_game(as_carried(game)))
                        << static_cast<int>(writing);
                    EXPECT_EQ(rows.row_count(), list.row_count());
                }
            }
        }
    }
    EXPECT_GT(games, 40);
}

}  // namespace
}  // namespace kelvara
