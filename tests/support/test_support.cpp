#include "support/test_support.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/encoding.h"

namespace kelvara::test {

std::string G(std::string_view utf8) { return utf8_to_gbk(utf8); }
std::string U(std::string_view gbk) { return gbk_to_utf8(gbk); }

std::optional<std::filesystem::path> corpus_dir() {
    const char* env = std::getenv("KELVARA_CORPUS_DIR");
    std::filesystem::path dir = env ? env : "../shared/corpus";
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec)) return dir;
    return std::nullopt;
}

std::vector<std::filesystem::path> corpus_files(std::string_view extension) {
    std::vector<std::filesystem::path> files;
    const auto dir = corpus_dir();
    if (!dir) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(*dir))
        if (entry.is_regular_file() && entry.path().extension() == extension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

}  // namespace

bool run_as_ordinary_user(const std::function<bool()>& body) {
    if (::geteuid() != 0) return body();
    const pid_t child = ::fork();
    if (child < 0) std::abort();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR) std::abort();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void give_to_ordinary_user(const std::filesystem::path& path) {
    if (::geteuid() == 0 && ::lchown(path.c_str(), kNobody, kNoGroup) != 0) std::abort();
}

std::string digest(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

TempDir::TempDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "kelvara-test-XXXXXX").string();
    if (!mkdtemp(templ.data())) std::abort();
    path_ = templ;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

}  // namespace kelvara::test
