// What kelvara-cli does with files that cannot be read or written, with batches whose
// records share a name, and when it is interrupted: it says why, never overwrites one
// output with another, and leaves no temporary file behind.
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "cli_fixture.h"

namespace kelvara::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kQq = "1 2 25 32 1 2 1 2 4 0 1 0 5 32 0 9 1 7 2 0 2 0\n";

std::vector<std::string> entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Two horses going out and back, count moves long: a long job made of legal moves.
std::string long_qq_record(int count) {
    static const char* const kGroups[] = {"22 32 1 0 7 2 6 0 0 0 ", "6 32 0 9 7 7 6 0 0 0 ", "22 32 1 2 6 0 7 0 0 0 ",
                                          "6 32 0 7 6 9 7 0 0 0 "};
    std::string text = "1 " + std::to_string(count) + " ";
    for (int i = 0; i < count; ++i) text += kGroups[i % 4];
    return text;
}

TEST_F(CliTest, ReadFailuresSayWhy) {
    fs::create_directory(dir().path() / "folder.pgn");
    ASSERT_EQ(::mkfifo((dir().path() / "fifo.pgn").c_str(), 0600), 0);
    const std::string huge = write("huge.pgn", "");
    fs::resize_file(huge, (16u << 20) + 1);
    const std::pair<std::string, std::string> cases[] = {
        {(dir().path() / "missing.che").string(), "No such file or directory"},
        {(dir().path() / "folder.pgn").string(), "Is a directory"},
        {(dir().path() / "fifo.pgn").string(), "not a regular file"},
        {huge, "larger than 16 MiB"},
    };
    for (const auto& [file, reason] : cases) {
        const CliRun run = run_cli({"moves", file});
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_EQ(run.err, "kelvara-cli: " + file + ": cannot read the record file: " + reason + "\n");
    }
}

TEST_F(CliTest, AFileOfWhichNothingCanBeReadIsNoRecord) {
    for (const auto& [name, bytes] : {std::pair{"empty.pgn", ""}, {"empty.che", ""}, {"nothing.che", "1 0 "}}) {
        const std::string file = write(name, bytes);
        for (const char* command : {"moves", "text", "bmp", "gif"}) {
            const CliRun run = run_cli({command, file, "-o", (dir().path() / "out").string()});
            EXPECT_EQ(run.status, 1) << command << " " << name;
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "kelvara-cli: " + file +
                                   ": not a record file that can be opened: no move and no start position could be read\n");
        }
    }
    EXPECT_FALSE(fs::exists(dir().path() / "out"));
}

TEST_F(CliTest, WriteFailuresSayWhy) {
    const std::string file = write("game.che", kQq);
    fs::create_directory(dir().path() / "taken.bmp");
    const std::string folder = (dir().path() / "taken.bmp").string();
    CliRun run = run_cli({"bmp", file, "-o", folder});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kelvara-cli: cannot write " + folder + ": Is a directory\n");

    write("blocked", "a file where the output folder should be");
    run = run_cli({"gif", file, "-o", (dir().path() / "blocked").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kelvara-cli: cannot write " + (dir().path() / "blocked").string() + ": Not a directory\n");
}

// Records of one name from two folders: neither output replaces the other.
TEST_F(CliTest, ABatchGivesEveryRecordItsOwnFile) {
    fs::create_directories(dir().path() / "a");
    fs::create_directories(dir().path() / "b");
    const std::string a = write("a/game.pgn", G("1. 炮二平五 马８进７\n"));
    const std::string b = write("b/game.che", kQq);
    const std::string c = write("game-2.pgn", G("1. 兵七进一\n"));  // keeps its own name
    const std::string d = write("a/game.che", "1 1 25 32 1 2 1 2 4 0 1 0\n");
    const fs::path out = dir().path() / "out";
    const CliRun run = run_cli({"gif", a, b, c, d, "-o", out.string(), "--jobs", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(entries(out), (std::vector<std::string>{"game-2.gif", "game-3.gif", "game-4.gif", "game.gif"}));
    // Every path printed is a file, each once.
    std::vector<std::string> printed;
    for (std::size_t at = 0, end; (end = run.out.find('\n', at)) != std::string::npos; at = end + 1)
        printed.push_back(fs::path(run.out.substr(at, end - at)).filename().string());
    std::sort(printed.begin(), printed.end());
    EXPECT_EQ(printed, entries(out));
    // By argument order: a is game, b game-3 (game-2 is c's own), d game-4.
    const CliRun one = run_cli({"gif", b, "-o", (dir().path() / "single").string()});
    EXPECT_EQ(read_file(out / "game-3.gif"), read_file(dir().path() / "single" / "game.gif"));
}

// Interrupted half-way, the program leaves neither its output nor a temporary file.
TEST_F(CliTest, AnInterruptedJobLeavesNothingBehind) {
    const std::string file = write("long.che", long_qq_record(30000));
    const fs::path out = dir().path() / "out";
    for (int signal_number : {SIGINT, SIGTERM}) {
        CliOptions options;
        options.while_running = [&](pid_t pid) {
            // Once the job has started writing, end it.
            for (int i = 0; i < 200 && !fs::exists(out); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            ::kill(pid, signal_number);
        };
        const CliRun run = run_cli({"gif", file, "-o", out.string()}, options);
        EXPECT_EQ(run.status, -signal_number) << run.err;
        ASSERT_TRUE(fs::exists(out));
        EXPECT_EQ(entries(out), std::vector<std::string>{}) << signal_number;
    }
}

// A file size limit (ulimit -f) stops the write with a message, not the program.
TEST_F(CliTest, AFileSizeLimitIsReportedAndLeavesNothingBehind) {
    const std::string file = write("game.che", kQq);
    const fs::path out = dir().path() / "out";
    CliOptions options;
    options.file_size_limit = 4096;
    const CliRun run = run_cli({"gif", file, "-o", out.string()}, options);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kelvara-cli: cannot write " + (out / "game.gif").string() + ": File too large\n");
    EXPECT_EQ(entries(out), std::vector<std::string>{});
}

}  // namespace
}  // namespace kelvara::test
