#pragma once
// A Windows-style profile (INI) file, read and written as the Windows profile functions
// do, so that a settings file moved between the two systems means the same: section and
// key names match regardless of ASCII case and of blanks around them, values lose their
// surrounding blanks and matching quotes, and a write changes one line while every other
// byte of the file stays as it was.
//
// The file is GBK, or UTF-8 when it starts with the UTF-8 byte-order mark or is valid
// UTF-8 with multi-byte characters (an editor may save it so); it is written back in the
// encoding it came in, its mark kept. Names and values pass in and out as GBK.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

class ProfileFile {
public:
    // Values come back through a buffer of this many bytes, the last one for the terminator.
    static constexpr std::size_t kValueBufferSize = 10240;

    ProfileFile() = default;
    static ProfileFile from_text(std::string_view bytes);
    // A missing or unreadable file gives an empty profile.
    static ProfileFile load(const std::filesystem::path& path);

    // The value of the first matching key of the first matching section, or default_value.
    std::string read(std::string_view section, std::string_view key, std::string_view default_value) const;
    // Replaces the key's line, adds the key to its section, or adds the section at the end.
    // Refused (false, nothing changed) when a line break or a name that would read back as
    // something else could inject or corrupt a line.
    bool write(std::string_view section, std::string_view key, std::string_view value);

    // The bytes to store.
    std::string text() const;
    // Replaces the file atomically.
    bool save(const std::filesystem::path& path) const;

private:
    struct Line {
        std::string content;  // without its line break
        std::string ending;   // "\r\n", "\n", or "" for a last line without one
    };

    // Index of the first section header matching the name, or lines_.size().
    std::size_t find_section(std::string_view section) const;
    // Index of the first key line matching the key between a header and the next one,
    // or lines_.size().
    std::size_t find_key(std::size_t header, std::string_view key) const;
    void insert_line(std::size_t index, std::string content);

    // GBK text as the file holds it, and back.
    std::string to_file(std::string_view gbk) const;
    std::string from_file(std::string_view text) const;

    std::vector<Line> lines_;
    std::string new_line_ = "\r\n";  // the file's own line break, for lines it gains
    bool utf8_ = false;
    bool byte_order_mark_ = false;
};

}  // namespace kelvara
