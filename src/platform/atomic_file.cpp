#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <utility>

namespace kelvara {

namespace {

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

// A replaced file keeps its permissions; a new one gets those a plain create would give.
mode_t mode_for(const std::filesystem::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    return 0666 & ~current_umask();
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
void sync_folder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::filesystem::path folder_of(const std::filesystem::path& path) {
    auto folder = path.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() { discard(); }

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      failed_(other.failed_),
      target_(std::move(other.target_)),
      temp_path_(std::move(other.temp_path_)) {
    other.temp_path_.clear();
}

AtomicFileWriter& AtomicFileWriter::operator=(AtomicFileWriter&& other) noexcept {
    if (this != &other) {
        discard();
        fd_ = std::exchange(other.fd_, -1);
        failed_ = other.failed_;
        target_ = std::move(other.target_);
        temp_path_ = std::move(other.temp_path_);
        other.temp_path_.clear();
    }
    return *this;
}

bool AtomicFileWriter::open(const std::filesystem::path& path) {
    discard();
    failed_ = false;
    if (path.filename().empty()) return false;
    // Hidden and unique, in the target's folder so that the rename never crosses file
    // systems; a fixed short stem, since the target's own name may be near NAME_MAX.
    std::string templ = (folder_of(path) / ".kelvara-XXXXXX").string();
    const int fd = ::mkostemp(templ.data(), O_CLOEXEC);
    if (fd < 0) return false;
    fd_ = fd;
    target_ = path;
    temp_path_ = templ;
    if (::fchmod(fd_, mode_for(path)) != 0) {
        discard();
        return false;
    }
    return true;
}

bool AtomicFileWriter::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0 || failed_) return false;
    if (!write_all(fd_, bytes.data(), bytes.size())) failed_ = true;
    return !failed_;
}

bool AtomicFileWriter::write(std::string_view bytes) {
    return write(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

bool AtomicFileWriter::commit(Durability durability) {
    if (fd_ < 0 || failed_) {
        discard();
        return false;
    }
    const bool synced = durability == Durability::Unsynced || ::fsync(fd_) == 0;
    const bool closed = ::close(std::exchange(fd_, -1)) == 0;
    if (!synced || !closed || ::rename(temp_path_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    temp_path_.clear();
    if (durability == Durability::Synced) sync_folder(folder_of(target_));
    return true;
}

void AtomicFileWriter::discard() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (!temp_path_.empty()) {
        ::unlink(temp_path_.c_str());
        temp_path_.clear();
    }
}

bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    AtomicFileWriter writer;
    return writer.open(path) && writer.write(bytes) && writer.commit();
}

bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
    return write_file_atomically(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::optional<std::string> read_file(const std::filesystem::path& path, std::size_t max_bytes) {
    // O_NONBLOCK: opening a FIFO must not hang; it is then refused as not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::string> result;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) <= max_bytes) {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(st.st_size));
        char buffer[1 << 16];
        bool ok = true;
        // The size is checked again while reading: the file may grow after fstat.
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR) continue;
                ok = false;
                break;
            }
            if (n == 0) break;
            if (bytes.size() + static_cast<std::size_t>(n) > max_bytes) {
                ok = false;
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        if (ok) result = std::move(bytes);
    }
    ::close(fd);
    return result;
}

}  // namespace kelvara
