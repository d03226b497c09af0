#include "platform/profile_file.h"

#include <optional>

#include "platform/atomic_file.h"
#include "platform/encoding.h"
#include "platform/text.h"

namespace kelvara {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Blanks are ASCII bytes below 0x40, so they can never be the trail byte of a GBK character.
std::string_view trim_left(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view trim(std::string_view s) {
    s = trim_left(s);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

bool has_line_break(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// ASCII letters only. In UTF-8 every byte of a multi-byte character is 0x80 or above, so
// the bytes are taken one by one; in GBK a trail byte may look like a letter.
std::string lower_ascii(std::string_view s, bool utf8) {
    if (!utf8) return gbk::to_lower_ascii(s);
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::size_t char_length(std::string_view s, std::size_t i, bool utf8) { return utf8 ? 1 : gbk::char_length(s, i); }

// The name of a "[name]" header line. "]" (0x5D) can be a GBK trail byte, so the closing
// bracket is searched character by character; the last one counts, as on Windows. A
// line that opens a bracket without closing it is no header, and no key either.
std::optional<std::string_view> header_name(std::string_view line, bool utf8) {
    const auto t = trim_left(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    std::size_t close = std::string_view::npos;
    for (std::size_t i = 1; i < t.size(); i += char_length(t, i, utf8))
        if (t[i] == ']') close = i;
    if (close == std::string_view::npos) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

bool is_ascii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// "key=value"; comments (";"), headers and lines without "=" are never keys. "=" (0x3D)
// is below every GBK trail byte, so a plain search is safe.
std::optional<KeyLine> key_line(std::string_view line) {
    const auto t = trim_left(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyLine{trim(t.substr(0, eq)), t.substr(eq + 1)};
}

// Surrounding blanks go, then one pair of matching quotes, as the Windows reader does.
std::string_view unquote(std::string_view value) {
    value = trim(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// A value the reader would change (blanks at an end, or one pair of matching quotes
// around it) is written inside quotes, so that it reads back as it was written.
bool needs_quotes(std::string_view value) {
    if (value.empty()) return false;
    return is_blank(value.front()) || is_blank(value.back()) ||
           (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front());
}

std::string fit_buffer(std::string_view value) {
    return std::string(gbk::cut_whole_chars(value, ProfileFile::kValueBufferSize - 1));
}

}  // namespace

ProfileFile ProfileFile::from_text(std::string_view bytes) {
    ProfileFile file;
    file.byte_order_mark_ = bytes.starts_with(kByteOrderMark);
    if (file.byte_order_mark_) bytes.remove_prefix(kByteOrderMark.size());
    // The text decides, not the mark alone; plain ASCII after a mark is UTF-8 as well.
    file.utf8_ = looks_like_utf8(bytes) || (file.byte_order_mark_ && is_ascii(bytes));
    const auto first_break = bytes.find('\n');
    if (first_break != std::string_view::npos && (first_break == 0 || bytes[first_break - 1] != '\r'))
        file.new_line_.erase(0, 1);  // "\r\n" becomes "\n"
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        if (end == std::string_view::npos) {
            file.lines_.push_back({std::string(bytes), ""});
            break;
        }
        auto content = bytes.substr(0, end);
        const bool crlf = !content.empty() && content.back() == '\r';
        if (crlf) content.remove_suffix(1);
        file.lines_.push_back({std::string(content), std::string(crlf ? "\r\n" : "\n")});
        bytes.remove_prefix(end + 1);
    }
    return file;
}

ProfileFile ProfileFile::load(const std::filesystem::path& path) {
    const auto bytes = read_file(path);
    return bytes ? from_text(*bytes) : ProfileFile{};
}

std::string ProfileFile::to_file(std::string_view gbk) const { return utf8_ ? gbk_to_utf8(gbk) : std::string(gbk); }

std::string ProfileFile::from_file(std::string_view text) const {
    return utf8_ ? utf8_to_gbk(text) : std::string(text);
}

// section and key are in the file's encoding here.
std::size_t ProfileFile::find_section(std::string_view section) const {
    const auto wanted = lower_ascii(trim(section), utf8_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = header_name(lines_[i].content, utf8_);
        if (name && lower_ascii(*name, utf8_) == wanted) return i;
    }
    return lines_.size();
}

std::size_t ProfileFile::find_key(std::size_t header, std::string_view key) const {
    const auto wanted = lower_ascii(trim(key), utf8_);
    for (std::size_t i = header + 1; i < lines_.size() && !header_name(lines_[i].content, utf8_); ++i) {
        const auto line = key_line(lines_[i].content);
        if (line && lower_ascii(line->key, utf8_) == wanted) return i;
    }
    return lines_.size();
}

std::string ProfileFile::read(std::string_view section, std::string_view key, std::string_view default_value) const {
    const auto header = find_section(to_file(section));
    if (header < lines_.size()) {
        const auto index = find_key(header, to_file(key));
        if (index < lines_.size()) return fit_buffer(from_file(unquote(key_line(lines_[index].content)->value)));
    }
    // Windows drops the default's trailing blanks.
    while (!default_value.empty() && is_blank(default_value.back())) default_value.remove_suffix(1);
    return fit_buffer(default_value);
}

bool ProfileFile::write(std::string_view section, std::string_view key, std::string_view value) {
    // A line break would let the value start a line of its own; a key with "=" or one
    // that reads as a comment or header would not read back as itself.
    if (has_line_break(section) || has_line_break(key) || has_line_break(value)) return false;
    const std::string file_section = to_file(trim(section)), file_key = to_file(trim(key)),
                      file_value = to_file(value);
    section = file_section;
    key = file_key;
    value = file_value;
    if (key.empty() || key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[')
        return false;

    std::string line;
    line.reserve(key.size() + 3 + value.size());
    if (needs_quotes(value))
        line.append(key).append("=\"").append(value).append("\"");
    else
        line.append(key).append("=").append(value);
    const auto header = find_section(section);
    if (header == lines_.size()) {
        insert_line(lines_.size(), std::string("[").append(section).append("]"));
        insert_line(lines_.size(), std::move(line));
        return true;
    }
    const auto index = find_key(header, key);
    if (index < lines_.size()) {
        lines_[index].content = std::move(line);
        return true;
    }
    // After the section's last key, so blank lines and comments before the next section
    // stay where they are.
    auto after = header + 1;
    for (std::size_t i = header + 1; i < lines_.size() && !header_name(lines_[i].content, utf8_); ++i)
        if (key_line(lines_[i].content)) after = i + 1;
    insert_line(after, std::move(line));
    return true;
}

void ProfileFile::insert_line(std::size_t index, std::string content) {
    if (index > 0 && lines_[index - 1].ending.empty()) lines_[index - 1].ending = new_line_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(content), new_line_});
}

std::string ProfileFile::text() const {
    std::string out(byte_order_mark_ ? kByteOrderMark : "");
    for (const auto& line : lines_) {
        out += line.content;
        out += line.ending;
    }
    return out;
}

bool ProfileFile::save(const std::filesystem::path& path) const { return write_file_atomically(path, text()); }

}  // namespace kelvara
