// The GIF maker compares a picture with the one before only where the replay says the
// move changed the board; these tests hold the replay to that on every public record.
#include "export/game_replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "record/open_record.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

// Replays the plan; every pixel that differs from the previous picture must lie in one of
// the areas the replay named. Returns how many pictures were checked.
int check_areas(const GameRecord& game, const PicturePlan& plan, const std::string& which) {
    // A long author line, which a wide counter cuts, on the turned boards.
    const std::string author = game.flip_state ? test::G("动画制作：第一届嘉宝杯象棋赛许银川") : "";
    GameReplay replay(game, game.title, author, plan);
    while (replay.moves_played() < plan.first_move) replay.play_next_move();
    Image previous = replay.picture();
    replay.picture_taken();
    int pictures = 1;
    while (replay.moves_played() < plan.last_move) {
        replay.play_next_move();
        const Image& now = replay.picture();
        const std::vector<Rect>& areas = replay.changed_areas();
        for (int y = 0; y < now.height; ++y)
            for (int x = 0; x < now.width; ++x) {
                if (now.at(x, y) == previous.at(x, y)) continue;
                const bool named = std::any_of(areas.begin(), areas.end(), [&](const Rect& r) { return r.contains(x, y); });
                if (!named) {
                    ADD_FAILURE() << which << ": move " << replay.moves_played() << " changed (" << x << ", " << y
                                  << ") outside the areas it named";
                    return pictures;
                }
            }
        previous = now;
        replay.picture_taken();
        ++pictures;
    }
    return pictures;
}

void check_record(const std::filesystem::path& path) {
    for (int flip : {0, 1}) {
        GameRecord game;
        MoveList list;
        game.flip_state = flip;
        if (!open_record(path, game, list).opened) continue;
        const int n = static_cast<int>(game.moves.size());
        const std::string which = path.filename().string() + " flip " + std::to_string(flip);
        EXPECT_EQ(check_areas(game, plan_pictures(n, false, -1, 0), which), n + 1) << which;
        if (n >= 4) check_areas(game, plan_pictures(n, true, n / 2, n - 1), which + " from the middle");
    }
}

TEST(GameReplay, NamesEveryAreaAMoveChanges) {
    test::TempDir dir;
    const auto record = dir.path() / "game.pgn";
    // Captures, a counter that gains a digit (9 to 10) and moves back onto squares just left.
    std::ofstream(record) << test::G(
        "1. 炮二平五 马８进７ 2. 炮五进四 士４进５ 3. 炮八进七 炮８平５ 4. 炮七退七 车９平８ 5. 炮五退二 车８进５ "
        "6. 马二进三 车８平７ 7. 车一平二 车７进１\n");
    check_record(record);
}

TEST(GameReplay, NamesEveryAreaAMoveChangesInEveryCorpusGame) {
    KELVARA_REQUIRE_CORPUS();
    auto files = test::corpus_files(".pgn");
    for (const auto& f : test::corpus_files(".che")) files.push_back(f);
    for (const auto& f : files) check_record(f);
}

}  // namespace
}  // namespace kelvara
