#include "platform/atomic_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <utility>

namespace kelvara {

namespace {

namespace fs = std::filesystem;

// The named temporary files this process has open. A signal handler can reach nothing
// else, so this one table is process-wide; a slot is claimed and released through its
// state alone, so that the handler never waits for a lock.
struct PendingSlot {
    std::atomic<int> state{0};
    char path[PATH_MAX];
};
constexpr int kFree = 0;
constexpr int kFilling = 1;
constexpr int kReady = 2;
constexpr int kPendingSlots = 64;
PendingSlot g_pending[kPendingSlots];

// The slot now naming path, or -1 when the table is full (the file is then only removed
// by its writer).
int register_pending(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    for (int i = 0; i < kPendingSlots; ++i) {
        int expected = kFree;
        if (!g_pending[i].state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) continue;
        std::memcpy(g_pending[i].path, path.c_str(), path.size() + 1);
        g_pending[i].state.store(kReady, std::memory_order_release);
        return i;
    }
    return -1;
}

void release_pending(int slot) {
    if (slot >= 0) g_pending[slot].state.store(kFree, std::memory_order_release);
}

// The process's umask, read without umask(2), which would change it for every thread
// for a moment.
mode_t current_umask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            try {
                return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
            } catch (...) {
                break;
            }
        }
    }
    return 022;
}

bool write_all(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a failure here does not undo a write that succeeded.
void sync_folder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

fs::path folder_of(const fs::path& path) {
    auto folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// The file a path names: the path itself, or the end of its chain of symbolic links
// (which may not exist yet: a dangling link is written through too).
std::optional<fs::path> final_target(const fs::path& path, FileError& error) {
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno == ENOENT) return p;
            error = FileError::system(errno);
            return std::nullopt;
        }
        if (!S_ISLNK(st.st_mode)) return p;
        char link[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), link, sizeof link);
        if (n < 0 || static_cast<std::size_t>(n) >= sizeof link) {
            error = FileError::system(n < 0 ? errno : ENAMETOOLONG);
            return std::nullopt;
        }
        const fs::path next(std::string(link, static_cast<std::size_t>(n)));
        p = next.is_absolute() ? next : folder_of(p) / next;
    }
    error = FileError::system(ELOOP);
    return std::nullopt;
}

// ".kelvara-" and six random letters or digits.
std::string random_name() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char random[6] = {};
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        // Without the kernel's randomness a changing seed still serves: a taken name is retried.
        static std::atomic<unsigned> counter{0};
        const unsigned seed = static_cast<unsigned>(::getpid()) * 2654435761u + counter++;
        for (std::size_t i = 0; i < sizeof random; ++i) random[i] = static_cast<unsigned char>(seed >> (i * 5));
    }
    std::string name = ".kelvara-";
    for (unsigned char r : random) name += kLetters[r % (sizeof kLetters - 1)];
    return name;
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() { discard(); }

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      pending_slot_(std::exchange(other.pending_slot_, -1)),
      error_(other.error_),
      target_(std::move(other.target_)),
      temp_path_(std::move(other.temp_path_)) {
    other.temp_path_.clear();
}

AtomicFileWriter& AtomicFileWriter::operator=(AtomicFileWriter&& other) noexcept {
    if (this != &other) {
        discard();
        fd_ = std::exchange(other.fd_, -1);
        pending_slot_ = std::exchange(other.pending_slot_, -1);
        error_ = other.error_;
        target_ = std::move(other.target_);
        temp_path_ = std::move(other.temp_path_);
        other.temp_path_.clear();
    }
    return *this;
}

bool AtomicFileWriter::fail(FileError error) {
    if (!error_) error_ = error;
    discard();
    return false;
}

bool AtomicFileWriter::open(const fs::path& path, Temporary temporary) {
    discard();
    error_ = {};
    if (path.filename().empty()) return fail(FileError::system(EISDIR));
    const auto target = final_target(path, error_);
    if (!target) return false;
    target_ = *target;

    struct stat existing {};
    const bool replaces = ::stat(target_.c_str(), &existing) == 0;
    if (replaces) {
        if (S_ISDIR(existing.st_mode)) return fail(FileError::system(EISDIR));
        if (!S_ISREG(existing.st_mode)) return fail(FileError::not_regular_file());
        // The rename would replace even a file the user protected from writing.
        if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) return fail(FileError::system(errno));
    }
    if (!open_temporary(folder_of(target_), temporary)) return false;

    // A replaced file keeps its owner (as far as this user may give it) and permissions;
    // a new one gets those a plain create would give.
    if (replaces && ::fchown(fd_, existing.st_uid, existing.st_gid) != 0)
        (void)::fchown(fd_, static_cast<uid_t>(-1), existing.st_gid);
    const mode_t mode = replaces ? existing.st_mode & 07777 : 0666 & ~current_umask();
    if (::fchmod(fd_, mode) != 0) return fail(FileError::system(errno));
    return true;
}

bool AtomicFileWriter::open_temporary(const fs::path& folder, Temporary temporary) {
    if (temporary == Temporary::Unnamed) {
        fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ >= 0) return true;
    }
    // Hidden and unique, in the target's folder so that the rename never crosses file
    // systems; a fixed short stem, since the target's own name may be near NAME_MAX.
    std::string templ = (folder / ".kelvara-XXXXXX").string();
    fd_ = ::mkostemp(templ.data(), O_CLOEXEC);
    if (fd_ < 0) return fail(FileError::system(errno));
    temp_path_ = templ;
    pending_slot_ = register_pending(templ);
    return true;
}

// An unnamed file gets a name only now, for the moment until the rename.
bool AtomicFileWriter::name_unnamed_temporary() {
    const std::string proc_path = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path name = folder_of(target_) / random_name();
        pending_slot_ = register_pending(name.string());
        if (::linkat(AT_FDCWD, proc_path.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temp_path_ = name;
            return true;
        }
        const int error = errno;
        forget_pending_name();
        if (error != EEXIST) return fail(FileError::system(error));
    }
    return fail(FileError::system(EEXIST));
}

bool AtomicFileWriter::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0 || error_) return false;
    if (!write_all(fd_, bytes.data(), bytes.size())) return fail(FileError::system(errno));
    return true;
}

bool AtomicFileWriter::write(std::string_view bytes) {
    return write(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

bool AtomicFileWriter::commit(Durability durability) {
    if (fd_ < 0 || error_) {
        discard();
        return false;
    }
    if (durability == Durability::Synced && ::fsync(fd_) != 0) return fail(FileError::system(errno));
    if (temp_path_.empty() && !name_unnamed_temporary()) return false;
    if (::close(std::exchange(fd_, -1)) != 0) return fail(FileError::system(errno));
    if (::rename(temp_path_.c_str(), target_.c_str()) != 0) return fail(FileError::system(errno));
    forget_pending_name();
    temp_path_.clear();
    if (durability == Durability::Synced) sync_folder(folder_of(target_));
    return true;
}

void AtomicFileWriter::forget_pending_name() { release_pending(std::exchange(pending_slot_, -1)); }

void AtomicFileWriter::discard() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (!temp_path_.empty()) {
        ::unlink(temp_path_.c_str());
        temp_path_.clear();
    }
    forget_pending_name();
}

bool write_file_atomically(const fs::path& path, std::span<const std::uint8_t> bytes, FileError* error) {
    AtomicFileWriter writer;
    const bool written = writer.open(path) && writer.write(bytes) && writer.commit();
    if (error) *error = writer.error();
    return written;
}

bool write_file_atomically(const fs::path& path, std::string_view bytes, FileError* error) {
    return write_file_atomically(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                                 error);
}

void remove_pending_temporaries() {
    for (PendingSlot& slot : g_pending)
        if (slot.state.load(std::memory_order_acquire) == kReady) ::unlink(slot.path);
}

std::optional<std::string> read_file(const fs::path& path, std::size_t max_bytes, FileError* error) {
    FileError why;
    std::optional<std::string> result;
    // O_NONBLOCK: opening a FIFO must not hang; it is then refused as not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0) {
        why = FileError::system(errno);
    } else if (::fstat(fd, &st) != 0) {
        why = FileError::system(errno);
    } else if (S_ISDIR(st.st_mode)) {
        why = FileError::system(EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        why = FileError::not_regular_file();
    } else if (static_cast<std::uintmax_t>(st.st_size) > max_bytes) {
        why = FileError::too_large(max_bytes);
    } else {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(st.st_size));
        char buffer[1 << 16];
        // The size is checked again while reading: the file may grow after fstat.
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR) continue;
                why = FileError::system(errno);
                break;
            }
            if (n == 0) break;
            if (bytes.size() + static_cast<std::size_t>(n) > max_bytes) {
                why = FileError::too_large(max_bytes);
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        if (!why) result = std::move(bytes);
    }
    if (fd >= 0) ::close(fd);
    if (error) *error = why;
    return result;
}

}  // namespace kelvara
