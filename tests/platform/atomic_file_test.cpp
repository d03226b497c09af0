#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "support/test_support.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void write_bytes(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

mode_t mode_of(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(AtomicWrite, CreatesAndReplacesWithoutLeftovers) {
    test::TempDir dir;
    const auto path = dir.path() / "out.bin";
    ASSERT_TRUE(write_file_atomically(path, std::string_view("first\0x", 7)));
    EXPECT_EQ(test::read_file(path), std::string("first\0x", 7));
    const std::vector<std::uint8_t> second = {1, 2, 3};
    ASSERT_TRUE(write_file_atomically(path, second));
    EXPECT_EQ(test::read_file(path), "\x01\x02\x03");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"out.bin"});
}

TEST(AtomicWrite, KeepsTheModeOfAReplacedFileAndGivesANewOneTheUsualMode) {
    test::TempDir dir;
    const auto path = dir.path() / "private.ini";
    write_bytes(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(write_file_atomically(path, "new"));
    EXPECT_EQ(mode_of(path), 0600u);

    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(write_file_atomically(dir.path() / "fresh.gif", "x"));
    EXPECT_EQ(mode_of(dir.path() / "fresh.gif"), 0666u & ~mask);  // not mkstemp's 0600
}

TEST(AtomicWrite, FailsWhereTheFolderCannotTakeTheFile) {
    test::TempDir dir;
    EXPECT_FALSE(write_file_atomically(dir.path() / "missing" / "out.bin", "x"));
    write_bytes(dir.path() / "plain", "a file, not a folder");
    EXPECT_FALSE(write_file_atomically(dir.path() / "plain" / "out.bin", "x"));
    EXPECT_EQ(test::read_file(dir.path() / "plain"), "a file, not a folder");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"plain"});
}

// A write that runs out of room half-way (here the file size limit, as a full disk would).
TEST(AtomicWrite, AFailedWriteKeepsThePreviousFile) {
    test::TempDir dir;
    const auto path = dir.path() / "anim.gif";
    write_bytes(path, "previous animation");

    rlimit old_limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = write_file_atomically(path, std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    ::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(written);
    EXPECT_EQ(test::read_file(path), "previous animation");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"anim.gif"});
}

TEST(AtomicFileWriter, StreamsAndAppearsOnlyOnCommit) {
    test::TempDir dir;
    const auto path = dir.path() / "stream.gif";
    write_bytes(path, "old");
    {
        AtomicFileWriter writer;
        ASSERT_TRUE(writer.open(path));
        ASSERT_TRUE(writer.write("GIF89a"));
        ASSERT_TRUE(writer.write(std::vector<std::uint8_t>{0x3B}));
        EXPECT_EQ(test::read_file(path), "old");
        ASSERT_TRUE(writer.commit());
        EXPECT_FALSE(writer.commit());  // once only
    }
    EXPECT_EQ(test::read_file(path), "GIF89a;");
    {
        AtomicFileWriter abandoned;
        ASSERT_TRUE(abandoned.open(path));
        ASSERT_TRUE(abandoned.write("half"));
        AtomicFileWriter moved = std::move(abandoned);
        EXPECT_FALSE(abandoned.write("x"));
        EXPECT_EQ(entries(dir.path()).size(), 2u);
    }
    EXPECT_EQ(test::read_file(path), "GIF89a;");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"stream.gif"});
}

TEST(ReadFile, ReadsRegularFilesWithinTheLimitOnly) {
    test::TempDir dir;
    const auto path = dir.path() / "f";
    write_bytes(path, std::string("a\0b", 3));
    EXPECT_EQ(read_file(path), std::string("a\0b", 3));
    EXPECT_EQ(read_file(path, 3), std::string("a\0b", 3));
    EXPECT_EQ(read_file(path, 2), std::nullopt);
    EXPECT_EQ(read_file(dir.path() / "missing"), std::nullopt);
    EXPECT_EQ(read_file(dir.path()), std::nullopt);
    // A FIFO without a writer would block a plain open; it is refused at once.
    ASSERT_EQ(::mkfifo((dir.path() / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(read_file(dir.path() / "fifo"), std::nullopt);
}

}  // namespace
}  // namespace kelvara
