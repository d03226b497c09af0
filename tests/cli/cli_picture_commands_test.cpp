// kelvara-cli bmp, png and gif: the same board picture in both formats, an animation
// that ends at a chosen move, and what the commands say when they cannot do their job.
#include <filesystem>

#include "cli_fixture.h"
#include "platform/bmp_codec.h"
#include "platform/png_codec.h"
#include "support/gif_reading.h"

namespace kelvara::test {
namespace {

// 炮二平五 马8进7 马二进三 车9平8 车一平二 马2进3: six moves.
constexpr const char* kGame = "[Event \"局\"]\n1. 炮二平五 马８进７ 2. 马二进三 车９平８ 3. 车一平二 马２进３\n";

std::span<const std::uint8_t> bytes_of(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST_F(CliTest, PngIsTheSamePictureAsBmp) {
    const std::string record = write("game.pgn", G(kGame));
    for (const char* flip : {"", "--flip"}) {
        std::vector<std::string> bmp_args = {"bmp", record, "--move", "3", "-o", (dir().path() / "b.bmp").string()};
        std::vector<std::string> png_args = {"png", record, "--move", "3", "-o", (dir().path() / "b.png").string()};
        if (*flip) bmp_args.push_back(flip), png_args.push_back(flip);
        const CliRun bmp = run_cli(bmp_args), png = run_cli(png_args);
        ASSERT_EQ(bmp.status, 0) << bmp.err;
        ASSERT_EQ(png.status, 0) << png.err;
        EXPECT_EQ(png.out, (dir().path() / "b.png").string() + "\n");
        const std::string png_bytes = read_file(dir().path() / "b.png");
        EXPECT_EQ(png_bytes.substr(1, 3), "PNG");
        const auto from_bmp = decode_bmp(bytes_of(read_file(dir().path() / "b.bmp")));
        const auto from_png = decode_png(bytes_of(png_bytes));
        ASSERT_TRUE(from_bmp && from_png);
        EXPECT_EQ(from_png->width, 260);
        EXPECT_EQ(from_png->height, 320);
        EXPECT_TRUE(*from_png == *from_bmp) << flip;
    }
}

// The larger pictures are the board drawn at that scale: the same in both formats, each
// length times the scale, and not the small picture blown up.
TEST_F(CliTest, PicturesAtLargerScalesAreTheBoardDrawnLarger) {
    const std::string record = write("game.pgn", G(kGame));
    const auto picture = [&](const char* format, const char* scale) {
        const auto out = dir().path() / (std::string("s") + scale + "." + format);
        const CliRun run = run_cli({format, record, "--move", "2", "--scale", scale, "-o", out.string()});
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string bytes = read_file(out);
        return std::string(format) == "bmp" ? decode_bmp(bytes_of(bytes)) : decode_png(bytes_of(bytes));
    };
    const auto one = picture("png", "1");
    ASSERT_TRUE(one);
    for (const char* scale : {"2", "3"}) {
        const int s = scale[0] - '0';
        const auto png = picture("png", scale), bmp = picture("bmp", scale);
        ASSERT_TRUE(png && bmp) << scale;
        EXPECT_EQ(png->width, 260 * s);
        EXPECT_EQ(png->height, 320 * s);
        EXPECT_TRUE(*png == *bmp) << scale;
        Image blown_up(png->width, png->height);
        for (int y = 0; y < png->height; ++y)
            for (int x = 0; x < png->width; ++x) blown_up.at(x, y) = one->at(x / s, y / s);
        EXPECT_FALSE(*png == blown_up) << scale;
    }
    const auto out = dir().path() / "gifs";
    const CliRun gif = run_cli({"gif", record, "-o", out.string(), "--scale", "2", "--to-move", "3"});
    ASSERT_EQ(gif.status, 0) << gif.err;
    const auto layout = read_gif_layout(read_file(out / "game.gif"));
    EXPECT_EQ(layout.width, 520);
    EXPECT_EQ(layout.height, 660);
    EXPECT_EQ(layout.pictures.size(), 4u);
}

TEST_F(CliTest, GifEndsAtTheMoveAsked) {
    const std::string record = write("game.pgn", G(kGame));
    const auto out = dir().path() / "gifs";
    const auto pictures = [&](std::vector<std::string> range) {
        std::vector<std::string> args = {"gif", record, "-o", out.string(), "--jobs", "2"};
        args.insert(args.end(), range.begin(), range.end());
        const CliRun run = run_cli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        return read_gif_layout(read_file(out / "game.gif")).pictures.size();
    };
    EXPECT_EQ(pictures({}), 7u);                                   // the start and six moves
    EXPECT_EQ(pictures({"--to-move", "4"}), 5u);                   // the start and moves 1 to 4
    EXPECT_EQ(pictures({"--from-move", "3", "--to-move", "5"}), 4u);  // before move 3, then 3 to 5
    EXPECT_EQ(pictures({"--from-move", "3", "--to-move", "3"}), 2u);
    EXPECT_EQ(pictures({"--to-move", "6"}), 7u);
}

TEST_F(CliTest, PictureCommandsRefuseWhatTheyCannotDo) {
    const std::string record = write("game.pgn", G(kGame));
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"png", record, "--scale", "4"}, 2},                               // not drawn at that size
        {{"bmp", record, "--scale", "0"}, 2},
        {{"gif", record, "--scale", "1.5"}, 2},
        {{"png", record, record}, 2},                                       // one record only
        {{"gif", record, "--from-move", "4", "--to-move", "3"}, 2},         // an empty range
        {{"gif", record, "--to-move", "0"}, 2},
        {{"gif", record, "--to-move", "7", "-o", dir().path().string()}, 1},  // past the last move
        {{"png", record, "--move", "7"}, 1},
    };
    for (const auto& [args, status] : cases) {
        const CliRun run = run_cli(args);
        std::string line;
        for (const auto& a : args) line += a + " ";
        EXPECT_EQ(run.status, status) << line << run.err;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_NE(run.err, "") << line;
    }
    EXPECT_EQ(run_cli({"png", record, "--scale", "1", "-o", (dir().path() / "s.png").string()}).status, 0);
}

TEST_F(CliTest, AFileThatCannotBeWrittenIsReportedWithTheReason) {
    const std::string record = write("game.pgn", G(kGame));
    std::filesystem::create_directory(dir().path() / "game.gif");  // a folder in the file's place
    const CliRun gif = run_cli({"gif", record, "-o", dir().path().string()});
    EXPECT_EQ(gif.status, 1);
    EXPECT_NE(gif.err.find("cannot write " + (dir().path() / "game.gif").string() + ": Is a directory"),
              std::string::npos)
        << gif.err;
    const CliRun png = run_cli({"png", record, "-o", (dir().path() / "missing" / "x.png").string()});
    EXPECT_EQ(png.status, 1);
    EXPECT_NE(png.err.find(": No such file or directory"), std::string::npos) << png.err;
    const CliRun folder = run_cli({"gif", record, "-o", (dir().path() / "game.pgn" / "gifs").string()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("Not a directory"), std::string::npos) << folder.err;
}

}  // namespace
}  // namespace kelvara::test
