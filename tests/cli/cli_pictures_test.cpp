// The pictures kelvara-cli makes of every public record stay what they were: each board
// picture byte for byte, and each animation with the same blocks, rectangles, delays,
// decoded pixels and bytes. The expected digests are in golden/corpus_pictures.txt;
// with KELVARA_WRITE_GOLDEN=FILE the test writes this build's digests there instead.
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "cli_fixture.h"
#include "support/gif_reading.h"

namespace kelvara::test {
namespace {

// One line per picture: "bmp NAME flip F move M SIZE DIGEST" or
// "gif NAME flip F pictures N blocks DIGEST pixels DIGEST bytes SIZE DIGEST".
using Digests = std::map<std::string, std::string>;  // what a line is about -> the rest

struct Record {
    std::filesystem::path path;
    int moves;
};

// The corpus records kelvara-cli opens, with their number of moves. A record it cannot
// open has no pictures; one that the golden file names is reported missing.
std::vector<Record> records() {
    auto files = corpus_files(".pgn");
    for (const auto& f : corpus_files(".che")) files.push_back(f);
    std::vector<Record> opened;
    for (const auto& f : files) {
        const CliRun run = run_cli({"moves", f.string()});
        if (run.status != 0) continue;
        int rows = 0;
        for (char c : run.out) rows += c == '\n';
        opened.push_back({f, rows});
    }
    return opened;
}

// Everything in the file but the compressed pixels.
std::string blocks_of(const GifLayout& g) {
    std::ostringstream s;
    s << g.signature << ' ' << g.width << ' ' << g.height << ' ' << g.flags << ' ' << g.background << ' ' << g.aspect
      << ' ' << g.looping << ' ' << g.loop_count << ' ' << g.other_extensions << ' ' << g.trailer << '\n';
    for (const auto& c : g.palette) s << int(c.red) << ',' << int(c.green) << ',' << int(c.blue) << ' ';
    for (const auto& p : g.pictures)
        s << '\n'
          << p.left << ' ' << p.top << ' ' << p.width << ' ' << p.height << ' ' << p.delay << ' ' << p.transparent
          << ' ' << p.transparent_index << ' ' << p.disposal << ' ' << p.local_table << ' ' << p.lzw_minimum;
    return s.str();
}

std::string gif_digest(const std::filesystem::path& gif) {
    const std::string bytes = read_file(gif);
    const GifLayout layout = read_gif_layout(bytes);
    std::string pixels;
    for (const auto& raster : gif_rasters(gif)) {
        pixels += std::to_string(raster.size()) + ':';
        pixels.append(raster.begin(), raster.end());
    }
    return "pictures " + std::to_string(layout.pictures.size()) + " blocks " + digest(blocks_of(layout)) +
           " pixels " + digest(pixels) + " bytes " + std::to_string(bytes.size()) + " " + digest(bytes);
}

Digests make_digests(const std::filesystem::path& out) {
    Digests digests;
    const auto files = records();
    for (int flip : {0, 1}) {
        std::vector<std::string> args = {"gif", "--jobs", "1", "--delay", "100", "--author", "", "-o",
                                         (out / ("gif" + std::to_string(flip))).string()};
        if (flip) args.push_back("--flip");
        for (const auto& f : files) args.push_back(f.path.string());
        const CliRun run = run_cli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        // With one job the files are made, and named on standard output, in order.
        std::istringstream made(run.out);
        std::string gif;
        for (const auto& f : files) {
            if (!std::getline(made, gif)) break;
            digests["gif " + f.path.filename().string() + " flip " + std::to_string(flip)] = gif_digest(gif);
        }
        for (const auto& f : files) {
            const int n = f.moves;
            for (int move : {0, n / 2, n}) {
                const auto bmp = out / "board.bmp";
                std::vector<std::string> bmp_args = {"bmp", f.path.string(), "--move", std::to_string(move), "-o",
                                                     bmp.string()};
                if (flip) bmp_args.push_back("--flip");
                const CliRun picture = run_cli(bmp_args);
                EXPECT_EQ(picture.status, 0) << picture.err;
                const std::string bytes = read_file(bmp);
                digests["bmp " + f.path.filename().string() + " flip " + std::to_string(flip) + " move " +
                        std::to_string(move)] = std::to_string(bytes.size()) + " " + digest(bytes);
            }
        }
    }
    return digests;
}

Digests read_digests(const std::filesystem::path& file) {
    Digests digests;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        // The key ends before "pictures" (GIF) or after the move number (BMP).
        const auto gif_rest = line.find(" pictures ");
        if (gif_rest != std::string::npos) {
            digests[line.substr(0, gif_rest)] = line.substr(gif_rest + 1);
            continue;
        }
        const auto move = line.find(" move ");
        const auto rest = move == std::string::npos ? std::string::npos : line.find(' ', move + 6);
        if (rest != std::string::npos) digests[line.substr(0, rest)] = line.substr(rest + 1);
    }
    return digests;
}

TEST_F(CliTest, EveryCorpusPictureStaysWhatItWas) {
    KELVARA_REQUIRE_CORPUS();
    const Digests made = make_digests(dir().path());
    ASSERT_FALSE(made.empty());
    if (const char* target = std::getenv("KELVARA_WRITE_GOLDEN")) {
        std::ofstream out(target);
        for (const auto& [key, value] : made) out << key << ' ' << value << '\n';
        GTEST_SKIP() << "digests written to " << target;
    }
    const Digests golden = read_digests(KELVARA_GOLDEN_DIR "/corpus_pictures.txt");
    ASSERT_FALSE(golden.empty());
    for (const auto& [key, value] : golden) {
        const auto it = made.find(key);
        if (it == made.end()) {
            ADD_FAILURE() << key << ": not made";
            continue;
        }
        EXPECT_EQ(it->second, value) << key;
    }
}

}  // namespace
}  // namespace kelvara::test
