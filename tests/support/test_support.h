#pragma once
// Helpers shared by the tests: GBK text from UTF-8 literals, and the public corpus.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara::test {

// GBK bytes of a UTF-8 literal (any character GBK has, unlike the _gbk literal's table).
std::string G(std::string_view utf8);
// UTF-8 of GBK bytes, for readable failure messages.
std::string U(std::string_view gbk);

// The folder ../shared/corpus, or nullopt when it is absent (a fresh clone).
std::optional<std::filesystem::path> corpus_dir();
// Every file of the corpus with the given extension, sorted by name.
std::vector<std::filesystem::path> corpus_files(std::string_view extension);

std::string read_file(const std::filesystem::path& path);

// Runs body as an ordinary user and returns what it returned: in this process when it is
// not root, else in a child process that gives up root for the "nobody" account first,
// since root may write any file. Files body works on belong to that user once they are
// handed over with give_to_ordinary_user (which does nothing when not root).
bool run_as_ordinary_user(const std::function<bool()>& body);
void give_to_ordinary_user(const std::filesystem::path& path);

// A 64-bit FNV-1a digest of bytes, as 16 hexadecimal digits, for golden lists of pictures.
std::string digest(std::string_view bytes);

// A fresh empty folder under the system's temporary folder, removed by its destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace kelvara::test

// Skips the current test when the corpus is absent.
#define KELVARA_REQUIRE_CORPUS()                                                        \
    do {                                                                                \
        if (!::kelvara::test::corpus_dir())                                             \
            GTEST_SKIP() << "../shared/corpus is absent: corpus tests skipped";          \
    } while (0)
