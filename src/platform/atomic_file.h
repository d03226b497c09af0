#pragma once
// Files that are replaced whole or not at all: the bytes go to a temporary file in the
// target's folder, are flushed to disk and then renamed over the target, so a failed
// write never leaves a truncated file nor destroys the one that was there before.
//
// The temporary file has no name until it is complete (O_TMPFILE), so a process killed
// half-way leaves nothing behind; where the file system refuses unnamed files, a hidden
// named one (.kelvara-XXXXXX) takes its place, which remove_pending_temporaries() can
// remove from a signal handler.
//
// A target the user may not write is not replaced, and a target that is a symbolic link
// is written through the link: the file it points to is replaced, the link stays.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/file_error.h"

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

    // Named: always the named temporary file, as where unnamed files are refused.
    enum class Temporary { Unnamed, Named };
    // Creates the temporary file beside the file path names (its links followed). False
    // when the folder cannot take it, or when path is a file the user may not write or
    // not a regular file.
    bool open(const std::filesystem::path& path, Temporary temporary = Temporary::Unnamed);
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
    // Why open, write or commit failed: the first failure.
    const FileError& error() const { return error_; }

private:
    bool fail(FileError error);
    bool open_temporary(const std::filesystem::path& folder, Temporary temporary);
    bool name_unnamed_temporary();
    void forget_pending_name();

    int fd_ = -1;
    int pending_slot_ = -1;            // where remove_pending_temporaries() finds temp_path_
    FileError error_;
    std::filesystem::path target_;     // the file the path names, links followed
    std::filesystem::path temp_path_;  // the named temporary file; empty when it has no name
};

bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                           FileError* error = nullptr);
bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes, FileError* error = nullptr);

// Removes the named temporary files that writers of this process have open. Safe to call
// from a signal handler; a writer that goes on afterwards fails at commit.
void remove_pending_temporaries();

inline constexpr std::size_t kDefaultReadLimit = 64u << 20;

// The whole content of a regular file; nullopt when it cannot be read or holds more than
// max_bytes, so that an untrusted file cannot exhaust memory. error, when given, says why.
std::optional<std::string> read_file(const std::filesystem::path& path, std::size_t max_bytes = kDefaultReadLimit,
                                     FileError* error = nullptr);

}  // namespace kelvara
