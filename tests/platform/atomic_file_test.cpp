#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
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
    for (auto temporary : {AtomicFileWriter::Temporary::Unnamed, AtomicFileWriter::Temporary::Named}) {
        {
            AtomicFileWriter abandoned;
            ASSERT_TRUE(abandoned.open(path, temporary));
            ASSERT_TRUE(abandoned.write("half"));
            AtomicFileWriter moved = std::move(abandoned);
            EXPECT_FALSE(abandoned.write("x"));
            // Until it is complete, the file being written has no name at all.
            EXPECT_EQ(entries(dir.path()).size(), temporary == AtomicFileWriter::Temporary::Unnamed ? 1u : 2u);
        }
        EXPECT_EQ(test::read_file(path), "GIF89a;");
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"stream.gif"});
    }
}

// The user protected the file: a write must fail and say so, not replace it by rename.
TEST(AtomicWrite, AFileTheUserMayNotWriteIsNotReplaced) {
    test::TempDir dir;
    const auto path = dir.path() / "kept.gif";
    write_bytes(path, "protected");
    ::chmod(path.c_str(), 0444);
    test::give_to_ordinary_user(dir.path());
    test::give_to_ordinary_user(path);
    EXPECT_TRUE(test::run_as_ordinary_user([&] {
        FileError error;
        return !write_file_atomically(path, "new", &error) && error.kind == FileError::Kind::System &&
               error.error_number == EACCES && english_reason(error) == "Permission denied";
    }));
    EXPECT_EQ(test::read_file(path), "protected");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"kept.gif"});

    // A file the user may write is replaced, and stays theirs.
    ::chmod(path.c_str(), 0644);
    EXPECT_TRUE(test::run_as_ordinary_user([&] { return write_file_atomically(path, "new"); }));
    EXPECT_EQ(test::read_file(path), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(mode_of(path), 0644u);
    if (::geteuid() == 0) {
        // Root replacing another user's file gives it back to that user.
        const uid_t owner = st.st_uid;
        ASSERT_TRUE(write_file_atomically(path, "by root"));
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, owner);
    }
}

TEST(AtomicWrite, ASymbolicLinkIsWrittenThroughAndStays) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "real");
    fs::create_directory(dir.path() / "links");
    write_bytes(dir.path() / "real" / "anim.gif", "old");
    fs::create_symlink("../real/anim.gif", dir.path() / "links" / "anim.gif");
    fs::create_symlink("anim.gif", dir.path() / "links" / "again.gif");  // a chain of two
    ASSERT_TRUE(write_file_atomically(dir.path() / "links" / "again.gif", "new"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "links" / "anim.gif"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "links" / "again.gif"));
    EXPECT_EQ(test::read_file(dir.path() / "real" / "anim.gif"), "new");
    EXPECT_EQ(entries(dir.path() / "real"), std::vector<std::string>{"anim.gif"});
    EXPECT_EQ(entries(dir.path() / "links"), (std::vector<std::string>{"again.gif", "anim.gif"}));

    // A link to a file that does not exist yet creates the file.
    fs::create_symlink("../real/later.gif", dir.path() / "links" / "later.gif");
    ASSERT_TRUE(write_file_atomically(dir.path() / "links" / "later.gif", "made"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "links" / "later.gif"));
    EXPECT_EQ(test::read_file(dir.path() / "real" / "later.gif"), "made");
}

TEST(AtomicWrite, OnlyARegularFileIsReplaced) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir.path() / "fifo").c_str(), 0600), 0);
    FileError error;
    EXPECT_FALSE(write_file_atomically(dir.path() / "fifo", "x", &error));
    EXPECT_EQ(english_reason(error), "not a regular file");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"fifo"});
}

// What a signal handler calls before the program ends: no named temporary file is left.
TEST(AtomicFileWriter, PendingNamedTemporariesCanBeRemovedFromASignalHandler) {
    test::TempDir dir;
    AtomicFileWriter named, unnamed;
    ASSERT_TRUE(named.open(dir.path() / "a.gif", AtomicFileWriter::Temporary::Named));
    ASSERT_TRUE(unnamed.open(dir.path() / "b.gif"));
    ASSERT_TRUE(named.write("half"));
    EXPECT_EQ(entries(dir.path()).size(), 1u);
    remove_pending_temporaries();
    EXPECT_TRUE(entries(dir.path()).empty());
    EXPECT_FALSE(named.commit());  // its file is gone
    ASSERT_TRUE(unnamed.commit());
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"b.gif"});
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
