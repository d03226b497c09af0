// Exit statuses: 2 for a command line that cannot be run, 1 for a file that is no
// readable record; either way a message on standard error and nothing on standard output.
#include <filesystem>

#include "cli_fixture.h"

namespace kelvara::test {
namespace {

constexpr const char* kRecord = "1 1 25 32 1 2 1 2 4 0 1 0\n";

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    const std::string file = write("game.che", kRecord);
    const std::vector<std::vector<std::string>> cases = {
        {},                                // no command
        {"replay", file},                  // unknown command
        {"moves", "--colour", file},       // unknown option
        {"moves", "-x", file},             // unknown short option
        {"moves"},                         // missing file
        {"moves", "--json"},               // missing file after a flag
        {"text"},                          // missing file
        {"moves", file, file},             // one file only
    };
    for (const auto& args : cases) {
        const CliRun run = run_cli(args);
        std::string line;
        for (const auto& a : args) line += a + " ";
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_NE(run.err, "") << line;
    }
}

TEST_F(CliTest, FilesThatAreNoReadableRecordExitWithOne) {
    std::filesystem::create_directory(dir().path() / "folder.pgn");
    const std::vector<std::string> files = {
        (dir().path() / "missing.che").string(),
        write("notes.txt", "no record here"),  // neither extension nor content of a record
        (dir().path() / "folder.pgn").string(),
    };
    for (const auto& file : files) {
        for (const char* command : {"moves", "text"}) {
            const CliRun run = run_cli({command, file});
            EXPECT_EQ(run.status, 1) << command << " " << file;
            EXPECT_EQ(run.out, "") << command << " " << file;
            EXPECT_NE(run.err.find(std::filesystem::path(file).filename().string()), std::string::npos)
                << "the message names the file: " << run.err;
        }
    }
}

TEST_F(CliTest, ExtensionsMatchInAnyLetterCase) {
    const CliRun run = run_cli({"moves", write("GAME.CHE", kRecord)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1.红：炮二平五\n");
}

}  // namespace
}  // namespace kelvara::test
