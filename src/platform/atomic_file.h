#pragma once
// Files that are replaced whole or not at all: the bytes go to a temporary file in the
// target's folder, are flushed to disk and then renamed over the target, so a failed
// write never leaves a truncated file nor destroys the one that was there before.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelvara {

// Writes in pieces, for output that is produced as it goes (the GIF writer streams).
// Nothing appears at the path until commit(); an uncommitted temporary file is removed
// by the destructor.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(AtomicFileWriter&& other) noexcept;
    AtomicFileWriter& operator=(AtomicFileWriter&& other) noexcept;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file beside path. False when the folder cannot take it.
    bool open(const std::filesystem::path& path);
    // False once any write has failed; later writes and commit() then fail too.
    bool write(std::span<const std::uint8_t> bytes);
    bool write(std::string_view bytes);
    // Synced: the data and the rename reach the disk before commit returns, for files that
    // cannot be made again (the settings). Unsynced: renamed into place at once; the
    // system writes it out later, for output that can be made again (animations).
    enum class Durability { Synced, Unsynced };
    // Renames the temporary file into place.
    bool commit(Durability durability = Durability::Synced);
    // Removes the temporary file; the target stays as it was.
    void discard();

    bool is_open() const { return fd_ >= 0; }
    const std::filesystem::path& temporary_path() const { return temp_path_; }

private:
    int fd_ = -1;
    bool failed_ = false;
    std::filesystem::path target_;
    std::filesystem::path temp_path_;
};

bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

inline constexpr std::size_t kDefaultReadLimit = 64u << 20;

// The whole content of a regular file; nullopt when it cannot be read or holds more than
// max_bytes, so that an untrusted file cannot exhaust memory.
std::optional<std::string> read_file(const std::filesystem::path& path, std::size_t max_bytes = kDefaultReadLimit);

}  // namespace kelvara
