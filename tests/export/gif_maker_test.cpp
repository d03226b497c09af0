#include "export/gif_maker.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <fstream>
#include <thread>
#include <unordered_map>

#include "export/animation_palette.h"
#include "export/picture_plan.h"
#include "export/picture_runs.h"
#include "export/progress_stride.h"
#include "support/gif_reading.h"
#include "platform/gif_codec.h"
#include "record/open_record.h"
#include "support/test_support.h"
#include "view/board_session.h"
#include "view/show_record.h"

namespace kelvara {
namespace {

using test::G;

const char* const kGame = "[Event \"测试对局\"]\n1. 炮二平五 马８进７ 2. 炮五进四 士４进５ 3. 炮八进七 象３进５\n";

std::vector<std::uint8_t> mapped(const Palette& p, const Image& picture) {
    std::unordered_map<Argb, std::uint8_t> known;  // the larger boards have a million pixels
    std::vector<std::uint8_t> out;
    for (Argb c : picture.pixels) {
        auto [it, added] = known.try_emplace(c, 0);
        if (added) it->second = test::first_nearest(p, c);
        out.push_back(it->second);
    }
    return out;
}

struct Fixture {
    BoardSession session;  // the board as the user would see it
    GifJob job;
    test::TempDir dir;

    explicit Fixture(const std::string& record = kGame, int flip = 0, int scale = 1) : session(scale) {
        session.game.flip_state = flip;
        open_record_bytes(G(record), "对局.pgn", session.game, session.list);
        session.view.set_author_line(G("动画制作：测试"));
        show_opened_record(session.game, session.view, "");
        job.game = session.game;
        job.title = session.game.title;
        job.author_line = G("动画制作：测试");
        job.frame_delay = 50;
        job.output_folder = dir.path() / "棋谱动画";
        job.output_stem = "对局";
        job.scale = scale;
    }
    // The board of move row (−1: the start), as follow selection shows it.
    Image board_at(int row) {
        session.list.select(row);
        if (row < 0) session.playback.first();
        return session.canvas.composed();
    }
};

TEST(PicturePlan, StartsAndEndsWhereTheOptionsSay) {
    struct Case {
        int moves;
        bool at_selected;
        int row;
        int to_move;
        PicturePlan plan;  // moves, first, last, without markers, offset
    };
    const Case cases[] = {
        {6, false, 3, 0, {6, 0, 6, false, 0}},   // the option off: the whole game
        {6, true, -1, 0, {6, 0, 6, false, 0}},   // nothing selected: the whole game
        {6, true, 2, 0, {6, 2, 6, true, 2}},     // move 3 selected: from the position after move 2
        {6, true, 0, 0, {6, 1, 6, false, 0}},    // move 1 selected: from move 1, its markers shown
        {6, true, 5, 0, {6, 5, 6, true, 5}},
        {6, false, -1, 4, {6, 0, 4, false, 0}},  // ending at move 4
        {6, true, 2, 3, {6, 2, 3, true, 2}},
        {6, true, 2, 9, {6, 2, 6, true, 2}},     // past the end: to the end
        {6, true, 4, 2, {6, 4, 4, true, 4}},     // before the start: the start alone
        {1, true, 0, 0, {1, 1, 1, false, 0}},    // one move, selected: one picture
        {0, true, 0, 0, {0, 0, 0, false, 0}},    // no moves: the start alone
    };
    for (const Case& c : cases) {
        const PicturePlan p = plan_pictures(c.moves, c.at_selected, c.row, c.to_move);
        const std::string which = std::to_string(c.moves) + " " + std::to_string(c.row) + " " + std::to_string(c.to_move);
        EXPECT_EQ(p.first_move, c.plan.first_move) << which;
        EXPECT_EQ(p.last_move, c.plan.last_move) << which;
        EXPECT_EQ(p.first_without_markers, c.plan.first_without_markers) << which;
        EXPECT_EQ(p.counter_offset, c.plan.counter_offset) << which;
        EXPECT_EQ(p.pictures(), c.plan.last_move - c.plan.first_move + 1) << which;
    }
}

TEST(ProgressStride, MatchesTheBarsKnownSteps) {
    const std::pair<int, ProgressStride> cases[] = {
        {5, {1, 20}}, {18, {2, 11}}, {30, {2, 7}}, {155, {3, 2}}, {371, {11, 3}}, {1, {1, 100}}};
    for (const auto& [moves, expected] : cases) {
        const ProgressStride s = progress_stride(moves);
        EXPECT_EQ(s.every, expected.every) << moves;
        EXPECT_EQ(s.width, expected.width) << moves;
    }
    EXPECT_EQ(progress_stride(0).width, 0);
}

TEST(GifMaker, WritesTheFileLayoutByteForByte) {
    Fixture f;
    const Palette palette = load_animation_palette();
    const GifResult result = GifMaker(palette).make(f.job);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.path, f.job.output_folder / "对局.gif");
    const auto g = test::read_gif_layout(test::read_file(result.path));
    EXPECT_EQ(g.signature, "GIF89a");
    EXPECT_EQ(g.width, 260);
    EXPECT_EQ(g.height, 330);
    EXPECT_EQ(g.flags, 0xE7);
    EXPECT_EQ(g.background, 0);
    EXPECT_EQ(g.aspect, 0);
    EXPECT_EQ(g.palette, palette);
    EXPECT_TRUE(g.looping);
    EXPECT_EQ(g.loop_count, 0);
    EXPECT_EQ(g.other_extensions, 0);  // no comment extension
    EXPECT_TRUE(g.trailer);
    ASSERT_EQ(g.pictures.size(), 7u);
    const auto& first = g.pictures[0];
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(first.width, 260);
    EXPECT_EQ(first.height, 330);
    EXPECT_FALSE(first.transparent);
    EXPECT_EQ(first.transparent_index, 0xFF);
    for (const auto& p : g.pictures) {
        EXPECT_EQ(p.delay, 50);
        EXPECT_EQ(p.disposal, 0);
        EXPECT_FALSE(p.local_table);
        EXPECT_EQ(p.lzw_minimum, 8);
    }
    for (std::size_t i = 1; i < g.pictures.size(); ++i) {
        EXPECT_TRUE(g.pictures[i].transparent);
        EXPECT_LT(g.pictures[i].width * g.pictures[i].height, 260 * 330);  // only what the move changed
    }
}

TEST(GifMaker, EveryComposedPictureIsThePaletteMappedBoardOfItsMove) {
    for (int flip : {0, 1}) {
        Fixture f(kGame, flip);
        const Palette palette = load_animation_palette();
        const GifResult result = GifMaker(palette).make(f.job);
        ASSERT_TRUE(result.ok());
        const auto frames = test::compose_gif(result.path);
        ASSERT_EQ(frames.size(), 7u);
        for (int row = -1; row < 6; ++row)
            EXPECT_EQ(frames[row + 1], mapped(palette, f.board_at(row))) << "move " << row + 1 << " flip " << flip;
        // No changed pixel ever turns transparent: the key colour is no board colour.
        const std::uint8_t key = test::first_nearest(palette, argb(0, 255, 255));
        for (const auto& frame : frames)
            for (std::uint8_t index : frame) ASSERT_NE(index, key);
    }
}

// The file the two-pass way gives: every picture captured first, then each pair
// compared over the whole board, the changed rectangle cut out, unchanged pixels keyed;
// the transparent index is that of the bottom frame's pixel (1, 328), times the scale.
std::string two_pass_file(Fixture& f, const Palette& palette, const std::filesystem::path& path) {
    std::vector<Image> pictures;
    for (int row = -1; row < f.session.list.row_count(); ++row) pictures.push_back(f.board_at(row));
    const int s = f.job.scale, width = 260 * s, height = 330 * s;
    GifWriter writer;
    writer.open(path, width, height, palette, 0);
    writer.add_picture(mapped(palette, pictures[0]), {0, 0, width, height}, f.job.frame_delay, -1);
    for (std::size_t k = 1; k < pictures.size(); ++k) {
        Image later = pictures[k];
        Rect changed;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                if (later.at(x, y) == pictures[k - 1].at(x, y))
                    later.at(x, y) = argb(0, 255, 255, 0);
                else
                    changed = unite(changed, {x, y, x + 1, y + 1});
            }
        const auto indices = mapped(palette, later);
        std::vector<std::uint8_t> cut;
        for (int y = changed.top; y < changed.bottom; ++y)
            for (int x = changed.left; x < changed.right; ++x) cut.push_back(indices[y * width + x]);
        writer.add_picture(cut, changed, f.job.frame_delay, indices[328 * s * width + s]);
    }
    writer.finish();
    return test::read_file(path);
}

TEST(GifMaker, StreamingWritesTheSameFileAsCapturingEverythingFirst) {
    const Palette palette = load_animation_palette();
    for (int scale : {1, 2}) {
        Fixture f(kGame, 0, scale);
        const GifResult streamed = GifMaker(palette).make(f.job);
        EXPECT_TRUE(test::read_file(streamed.path) == two_pass_file(f, palette, f.dir.path() / "two-pass.gif"))
            << "scale " << scale;
    }
}

// At scale 2 and 3 every length of the file is the scale times the length at scale 1,
// and the pictures are the boards drawn at that scale, not blown up.
TEST(GifMaker, LargerScalesMultiplyEveryLengthAndShowTheBoardsOfThatScale) {
    const Palette palette = load_animation_palette();
    // From move 2 to move 4 of the turned board, on two threads.
    const auto make = [&](Fixture& f) {
        f.job.start_at_selected_move = true;
        f.job.selected_row = 1;
        f.job.to_move = 4;
        f.job.threads = 2;
        return GifMaker(palette).make(f.job);
    };
    Fixture one(kGame, 1);
    const auto small = test::read_gif_layout(test::read_file(make(one).path));
    ASSERT_EQ(small.pictures.size(), 4u);
    for (int scale : {2, 3}) {
        Fixture f(kGame, 1, scale);
        const GifResult r = make(f);
        ASSERT_TRUE(r.ok()) << scale;
        const auto g = test::read_gif_layout(test::read_file(r.path));
        EXPECT_EQ(g.width, 260 * scale);
        EXPECT_EQ(g.height, 330 * scale);
        ASSERT_EQ(g.pictures.size(), 4u);
        // Each picture is the same move's rectangle scaled, give or take the pixels of
        // edges drawn finer.
        for (std::size_t i = 0; i < 4; ++i) {
            const auto &large = g.pictures[i], &same = small.pictures[i];
            const int slack = i == 0 ? 0 : 2 * scale;
            EXPECT_NEAR(large.left, same.left * scale, slack) << i << " scale " << scale;
            EXPECT_NEAR(large.top, same.top * scale, slack) << i << " scale " << scale;
            EXPECT_NEAR(large.width, same.width * scale, 2 * slack) << i << " scale " << scale;
            EXPECT_NEAR(large.height, same.height * scale, 2 * slack) << i << " scale " << scale;
        }
        const auto frames = test::compose_gif(r.path);
        ASSERT_EQ(frames.size(), 4u);
        f.board_at(0);
        f.session.view.hide_move_markers();
        f.session.view.set_move_counter(5, 0);  // the game's six moves counted from move 2
        EXPECT_EQ(frames[0], mapped(palette, f.session.canvas.composed())) << scale;
        for (int move = 2; move <= 4; ++move) {
            f.board_at(move - 1);
            f.session.view.set_move_counter(5, move - 1);
            EXPECT_EQ(frames[move - 1], mapped(palette, f.session.canvas.composed())) << move << " scale " << scale;
        }
    }
}

TEST(GifMaker, StartAtTheSelectedMove) {
    const Palette palette = load_animation_palette();
    {  // move 3 selected (row 2): the position after move 2, no markers, counter 4-0, ...
        Fixture f;
        f.job.start_at_selected_move = true;
        f.job.selected_row = 2;
        const auto frames = test::compose_gif(GifMaker(palette).make(f.job).path);
        ASSERT_EQ(frames.size(), 5u);
        f.board_at(1);
        f.session.view.hide_move_markers();
        f.session.view.set_move_counter(4, 0);
        EXPECT_EQ(frames[0], mapped(palette, f.session.canvas.composed()));
        f.board_at(3);
        f.session.view.set_move_counter(4, 2);
        EXPECT_EQ(frames[2], mapped(palette, f.session.canvas.composed()));
    }
    {  // the first move selected: no start picture; the first is move 1 with its markers
        Fixture f;
        f.job.start_at_selected_move = true;
        f.job.selected_row = 0;
        const auto frames = test::compose_gif(GifMaker(palette).make(f.job).path);
        ASSERT_EQ(frames.size(), 6u);
        EXPECT_EQ(frames[0], mapped(palette, f.board_at(0)));
    }
    {  // nothing selected: the whole game
        Fixture f;
        f.job.start_at_selected_move = true;
        f.job.selected_row = -1;
        EXPECT_EQ(GifMaker(palette).make(f.job).pictures, 7);
    }
    {  // one move, selected: a single whole picture
        Fixture f("1. 炮二平五\n");
        f.job.start_at_selected_move = true;
        f.job.selected_row = 0;
        const GifResult r = GifMaker(palette).make(f.job);
        EXPECT_EQ(r.pictures, 1);
        EXPECT_EQ(test::read_gif_layout(test::read_file(r.path)).pictures.size(), 1u);
    }
    {  // one move, nothing selected: two pictures
        Fixture f("1. 炮二平五\n");
        EXPECT_EQ(GifMaker(palette).make(f.job).pictures, 2);
    }
}

TEST(GifMaker, EndsAtTheMoveAskedWithTheBoardsOfThoseMoves) {
    const Palette palette = load_animation_palette();
    for (int flip : {0, 1}) {
        {  // from move 3 (the position after move 2, no markers) to move 5
            Fixture f(kGame, flip);
            f.job.start_at_selected_move = true;
            f.job.selected_row = 2;
            f.job.to_move = 5;
            const GifResult r = GifMaker(palette).make(f.job);
            ASSERT_TRUE(r.ok());
            EXPECT_EQ(r.pictures, 4);
            const auto frames = test::compose_gif(r.path);
            ASSERT_EQ(frames.size(), 4u);
            f.board_at(1);
            f.session.view.hide_move_markers();
            f.session.view.set_move_counter(4, 0);
            EXPECT_EQ(frames[0], mapped(palette, f.session.canvas.composed())) << flip;
            for (int move = 3; move <= 5; ++move) {
                f.board_at(move - 1);
                f.session.view.set_move_counter(4, move - 2);  // counted from the first picture
                EXPECT_EQ(frames[move - 2], mapped(palette, f.session.canvas.composed())) << move << " " << flip;
            }
        }
        {  // from the start to move 2: the boards as the user steps through them
            Fixture f(kGame, flip);
            f.job.to_move = 2;
            const auto frames = test::compose_gif(GifMaker(palette).make(f.job).path);
            ASSERT_EQ(frames.size(), 3u);
            for (int row = -1; row < 2; ++row) EXPECT_EQ(frames[row + 1], mapped(palette, f.board_at(row))) << row;
        }
    }
}

TEST(GifMaker, AnyNumberOfThreadsWritesTheSameFile) {
    const Palette palette = load_animation_palette();
    Fixture f;
    std::string one;
    std::vector<int> one_progress;
    for (int threads : {1, 2, 3, 8}) {
        f.job.threads = threads;
        GifMaker maker(palette);
        std::vector<int> progress;
        maker.on_progress([&](int w) { progress.push_back(w); });
        const GifResult r = maker.make(f.job);
        ASSERT_TRUE(r.ok()) << threads;
        if (threads == 1) {
            one = test::read_file(r.path);
            one_progress = progress;
            continue;
        }
        EXPECT_TRUE(test::read_file(r.path) == one) << threads << " threads";
        EXPECT_EQ(progress, one_progress) << threads << " threads";
    }
}

// Runs cover the pictures in order, none longer than a few dozen pictures, and with
// several threads the run holding the whole first picture is short.
TEST(PictureRuns, CoverThePlanInBoundedRuns) {
    for (int moves : {0, 1, 6, 23, 103, 543, 30000})
        for (int threads : {1, 2, 3, 8})
            for (bool at_selected : {false, true}) {
                const PicturePlan plan = plan_pictures(moves, at_selected, moves / 3, moves - moves / 5);
                const auto runs = split_pictures(plan, threads);
                ASSERT_FALSE(runs.empty());
                int next = plan.first_move;
                for (const PictureRun& run : runs) {
                    EXPECT_EQ(run.first_move, next) << moves << " " << threads;
                    EXPECT_GE(run.pictures(), 1);
                    EXPECT_LE(run.pictures(), 32);
                    next = run.last_move + 1;
                }
                EXPECT_EQ(next, plan.last_move + 1) << moves << " " << threads;
                if (threads > 1 && plan.pictures() > 40) {
                    EXPECT_LT(runs[0].pictures(), runs[1].pictures());
                }
            }
}

// Runs made apart, each from the picture before it, give the file made picture after
// picture: long corpus games, whole and in part, turned, at two scales.
TEST(GifMaker, RunsOnManyThreadsWriteTheFileOfOne) {
    KELVARA_REQUIRE_CORPUS();
    const Palette palette = load_animation_palette();
    struct Case {
        const char* file;
        bool at_selected;
        int row;
        int to_move;
        int flip;
        int scale;
    };
    for (const Case& c : {Case{"xqr-2009-jiangchuan-543ply-utf8.pgn", false, -1, 0, 0, 1},
                          Case{"xqbase-ccgc23-tianji-221ply.pgn", true, 40, 180, 1, 1},
                          Case{"xqbase-bugchess-bg4-bg15-347ply.pgn", true, 0, 0, 0, 2},
                          Case{"walker-zhongpao-liepao.pgn", true, 5, 0, 1, 1}}) {
        GifJob job;
        MoveList list;
        ASSERT_TRUE(open_record(*test::corpus_dir() / "pgn" / c.file, job.game, list).opened) << c.file;
        job.game.flip_state = c.flip;
        job.title = job.game.title;
        job.start_at_selected_move = c.at_selected;
        job.selected_row = c.row;
        job.to_move = c.to_move;
        job.scale = c.scale;
        test::TempDir dir;
        job.output_folder = dir.path();
        std::string one;
        for (int threads : {1, 2, 3}) {
            job.threads = threads;
            job.output_stem = std::to_string(threads);
            const GifResult r = GifMaker(palette).make(job);
            ASSERT_TRUE(r.ok()) << c.file;
            if (threads == 1)
                one = test::read_file(r.path);
            else
                EXPECT_TRUE(test::read_file(r.path) == one) << c.file << " on " << threads << " threads";
        }
    }
}

TEST(GifMaker, ProgressFillsTheBar) {
    Fixture f;
    const Palette palette = load_animation_palette();
    GifMaker maker(palette);
    std::vector<int> widths;
    maker.on_progress([&](int w) { widths.push_back(w); });
    maker.make(f.job);
    // Six moves: k = 1, d = 17; six steps while replaying, six for the pairs, then the end.
    std::vector<int> expected;
    for (int i = 1; i <= 12; ++i) expected.push_back(1 + 17 * i);
    expected.push_back(205);
    EXPECT_EQ(widths, expected);
}

TEST(GifMaker, DelaysAreClampedToWhatBrowsersPlay) {
    const Palette palette = load_animation_palette();
    for (auto [delay, written] : {std::pair{0, 2}, {1, 2}, {-20, 2}, {100000, 65535}, {7, 7}}) {
        Fixture f("1. 炮二平五\n");
        f.job.frame_delay = delay;
        const auto g = test::read_gif_layout(test::read_file(GifMaker(palette).make(f.job).path));
        for (const auto& p : g.pictures) EXPECT_EQ(p.delay, written) << delay;
    }
}

TEST(GifMaker, MakingAgainReplacesTheFileAndFailuresLeaveNothingBehind) {
    const Palette palette = load_animation_palette();
    Fixture f;
    const GifResult first = GifMaker(palette).make(f.job);
    const std::string before = test::read_file(first.path);
    f.job.frame_delay = 30;
    const GifResult again = GifMaker(palette).make(f.job);
    ASSERT_TRUE(again.ok());
    EXPECT_NE(test::read_file(again.path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.job.output_folder), {}), 1);

    // A write that fails half-way (a file-size limit standing in for a full disk) leaves
    // the earlier file as it was and no temporary file.
    const std::string good = test::read_file(again.path);
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 20000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    GifResult failed[2];
    for (int threads : {1, 2}) {
        f.job.threads = threads;
        failed[threads - 1] = GifMaker(palette).make(f.job);
    }
    setrlimit(RLIMIT_FSIZE, &old_limit);
    signal(SIGXFSZ, old_handler);
    for (const GifResult& r : failed) {
        EXPECT_EQ(r.failure, GifResult::Failure::File);
        EXPECT_EQ(english_reason(r.error), "File too large");  // the reason the system gave
    }
    EXPECT_EQ(test::read_file(again.path), good);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.job.output_folder), {}), 1);

    // An output folder that cannot be made.
    std::ofstream(f.dir.path() / "file") << "x";
    f.job.output_folder = f.dir.path() / "file" / "棋谱动画";
    const GifResult no_folder = GifMaker(palette).make(f.job);
    EXPECT_EQ(no_folder.failure, GifResult::Failure::Folder);
    EXPECT_EQ(english_reason(no_folder.error), "Not a directory");
}

// A stop request ends the job on any number of threads, early or half-way through a long
// game, and leaves no file.
TEST(GifMaker, AStoppedJobWritesNothing) {
    const Palette palette = load_animation_palette();
    std::string long_game = "[Event \"长局\"]\n";
    for (int i = 1; i <= 100; ++i) long_game += std::to_string(2 * i - 1) + ". 马二进三 马８进７ " + std::to_string(2 * i) + ". 马三退二 马７退８\n";
    for (const auto& [record, half_way] : {std::pair{std::string(kGame), 6}, {long_game, 100}})
        for (int threads : {1, 3})
            for (int stop_at : {1, half_way}) {
                Fixture f(record);
                f.job.threads = threads;
                std::stop_source stop;
                f.job.stop = stop.get_token();
                GifMaker maker(palette);
                int steps = 0;
                maker.on_progress([&](int) {
                    if (++steps == stop_at) stop.request_stop();
                });
                const GifResult result = maker.make(f.job);
                EXPECT_EQ(result.failure, GifResult::Failure::Stopped) << threads << " " << stop_at;
                EXPECT_TRUE(std::filesystem::is_empty(f.job.output_folder));
            }
}

// A record of a start position without moves is one picture.
TEST(GifMaker, AStartPositionWithoutMovesIsOnePicture) {
    const Palette palette = load_animation_palette();
    Fixture f("[FEN \"4k4/9/9/9/9/9/9/9/4A4/4K4 w - - 0 1\"]\n");
    ASSERT_TRUE(f.job.game.loaded);
    for (const bool from_selected : {false, true}) {
        f.job.start_at_selected_move = from_selected;
        const GifResult result = GifMaker(palette).make(f.job);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result.pictures, 1);
        EXPECT_EQ(test::read_gif_layout(test::read_file(result.path)).pictures.size(), 1u);
        EXPECT_EQ(test::compose_gif(result.path)[0], mapped(palette, f.board_at(-1)));
    }
    EXPECT_EQ(animation_pictures(543, true, 542), 2);
    EXPECT_EQ(animation_pictures(543, true, 0), 543);
    EXPECT_EQ(animation_pictures(543, false, 542), 544);
}

TEST(GifMaker, MakersOnDifferentThreadsWriteTheSameFile) {
    const Palette palette = load_animation_palette();
    Fixture a, b;
    GifResult ra, rb;
    std::thread t([&] { ra = GifMaker(palette).make(a.job); });
    rb = GifMaker(palette).make(b.job);
    t.join();
    EXPECT_EQ(test::read_file(ra.path), test::read_file(rb.path));
}

TEST(GifMaker, OutputStemIsTheNameBeforeTheLastDot) {
    EXPECT_EQ(output_stem("对局.pgn.che"), "对局.pgn");
    EXPECT_EQ(output_stem("noextension"), "noextension");
}

}  // namespace
}  // namespace kelvara
