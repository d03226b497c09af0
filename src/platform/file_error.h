#pragma once
// Why a file could not be read or written: the errno of the system call that failed, or
// one of the program's own refusals. The shells put it into words: the CLI in English
// (errno's own words), the GUI in Chinese.

#include <cstddef>
#include <string>

namespace kelvara {

struct FileError {
    enum class Kind {
        None,
        System,          // error_number holds errno
        NotRegularFile,  // a FIFO, a device or a socket where a file was expected
        TooLarge,        // larger than `limit` bytes, the most the caller reads
    };
    Kind kind = Kind::None;
    int error_number = 0;
    std::size_t limit = 0;

    static FileError system(int errno_value) { return {Kind::System, errno_value, 0}; }
    static FileError not_regular_file() { return {Kind::NotRegularFile, 0, 0}; }
    static FileError too_large(std::size_t limit_bytes) { return {Kind::TooLarge, 0, limit_bytes}; }
    explicit operator bool() const { return kind != Kind::None; }
};

// In English, for the CLI: "No such file or directory", "not a regular file",
// "larger than 16 MiB".
std::string english_reason(const FileError& error);

}  // namespace kelvara
