#include "record/pgn_scanner.h"

#include "board/fen.h"
#include "platform/text.h"

namespace kelvara {

namespace {

constexpr std::string_view kResults[] = {"1-0", "0-1", "1/2-1/2", "*"};
// A full-width space, and the enumeration comma, full stop, comma and semicolon that some
// records write between a move number and its move, or between moves.
constexpr std::string_view kWideSeparators[] = {"\xA1\xA1", "\xA1\xA2", "\xA1\xA3", "\xA3\xAC", "\xA3\xBB"};

bool is_wide_separator(std::string_view ch) {
    for (const std::string_view s : kWideSeparators)
        if (ch == s) return true;
    return false;
}

bool is_blank(char b) { return b == ' ' || b == '\t' || b == '\r' || b == '\v' || b == '\f'; }

bool is_result(std::string_view word) {
    for (const std::string_view r : kResults)
        if (word == r) return true;
    return false;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

// The lines of a text: they end in LF, CR LF, or CR alone (old editors; stray ones inside
// comments).
std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t eol = text.find_first_of("\r\n", start);
        if (eol == std::string_view::npos) eol = text.size();
        lines.push_back(text.substr(start, eol - start));
        start = eol + (text.substr(eol, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

// A WXF file: "KEY<tab>value" header lines, then the moves between START{ and }END. Given
// as PGN tags and move text, so that the braces are not taken for a comment.
std::optional<std::string> wxf_file_as_pgn(std::string_view text) {
    const std::vector<std::string_view> lines = lines_of(text);
    std::size_t start_line = lines.size();
    for (std::size_t i = 0; i < lines.size() && start_line == lines.size(); ++i)
        if (gbk::to_upper_ascii(trimmed(lines[i])) == "START{") start_line = i;
    if (start_line == lines.size()) return std::nullopt;

    std::string pgn;
    for (std::size_t i = 0; i < start_line; ++i) {
        const std::string_view line = trimmed(lines[i]);
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0) continue;
        std::string_view value = trimmed(line.substr(tab + 1));
        while (!value.empty() && value.back() == ';') value.remove_suffix(1);
        const std::string key = gbk::to_lower_ascii(line.substr(0, tab));
        std::string name = key == "game" ? "Event" : key;
        if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 'a' + 'A');
        pgn += "[" + name + " \"" + std::string(value) + "\"]\n";
    }
    for (std::size_t i = start_line + 1; i < lines.size(); ++i) {
        if (gbk::to_upper_ascii(trimmed(lines[i])) == "}END") break;
        pgn.append(lines[i]).append("\n");
    }
    return pgn;
}

class Scanner {
public:
    std::vector<PgnGame> scan(std::string_view text) {
        const auto end_mark = text.find_first_of(std::string_view("\0\x1A", 2));
        if (end_mark != std::string_view::npos) text = text.substr(0, end_mark);
        std::string converted;
        if (auto wxf = wxf_file_as_pgn(text)) {
            converted = std::move(*wxf);
            text = converted;
        }
        for (const std::string_view line : lines_of(text)) read_line(line);
        if (in_comment_) emit(PgnItem::Kind::Comment, comment_);
        finish_game();
        return std::move(games_);
    }

private:
    void read_line(std::string_view line) {
        if (!in_comment_) {
            const std::string_view content = trimmed(line);
            if (content.starts_with("[")) {
                read_tags(content);
                return;
            }
            const std::string_view first_field = content.substr(0, content.find_first_of(" \t"));
            if (!first_field.empty() && is_fen_board(first_field)) {
                start_game_if_moved();
                game_.tags.push_back({"FEN", std::string(content)});
                return;
            }
        }
        std::string word;
        for (std::size_t i = 0; i < line.size();) {
            const std::size_t n = gbk::char_length(line, i);
            const std::string_view ch = line.substr(i, n);
            i += n;
            if (in_comment_) {
                if (ch == "}") {
                    in_comment_ = false;
                    emit(PgnItem::Kind::Comment, comment_);
                } else {
                    comment_ += ch;
                }
                continue;
            }
            if (ch == "{") {
                end_word(word);
                in_comment_ = true;
                comment_.clear();
            } else if (ch == ";") {  // a comment to the end of the line
                end_word(word);
                emit(PgnItem::Kind::Comment, std::string(line.substr(i)));
                return;
            } else if (ch == "(") {
                end_word(word);
                ++depth_;
                emit(PgnItem::Kind::VariationStart, {});
            } else if (ch == ")") {
                end_word(word);
                if (depth_ > 0) {
                    --depth_;
                    emit(PgnItem::Kind::VariationEnd, {});
                }
            } else if ((n == 1 && (is_blank(ch[0]) || ch == "[" || ch == "]")) || is_wide_separator(ch)) {
                end_word(word);
            } else {
                word += ch;
            }
        }
        end_word(word);
        if (in_comment_) comment_ += '\n';
    }

    void end_word(std::string& word) {
        if (word.empty()) return;
        if (is_result(word)) {
            if (depth_ == 0 && !over_) {
                game_.result = word;
                over_ = true;
            }
        } else {
            emit(PgnItem::Kind::Word, word);
        }
        word.clear();
    }

    void emit(PgnItem::Kind kind, std::string text) {
        if (over_) return;
        game_.items.push_back({kind, std::move(text)});
    }

    // Tags after move text belong to the next game.
    void start_game_if_moved() {
        if (!game_.items.empty() || over_) finish_game();
    }

    void finish_game() {
        if (!game_.tags.empty() || !game_.items.empty() || over_) games_.push_back(std::move(game_));
        game_ = {};
        over_ = false;
        depth_ = 0;
    }

    // One or more [Name "value"] on the line.
    void read_tags(std::string_view line) {
        start_game_if_moved();
        while (true) {
            const auto open = line.find('[');
            if (open == std::string_view::npos) return;
            line.remove_prefix(open + 1);
            const auto space = line.find_first_of(" \"]");
            if (space == std::string_view::npos || line.substr(space, 2) != " \"") return;
            std::string name(line.substr(0, space));
            line.remove_prefix(space + 2);
            const auto quote = line.find('"');
            game_.tags.push_back({std::move(name), std::string(line.substr(0, quote))});
            if (quote == std::string_view::npos) return;
            line.remove_prefix(quote + 1);
        }
    }

    std::vector<PgnGame> games_;
    PgnGame game_;
    bool in_comment_ = false;
    std::string comment_;
    int depth_ = 0;
    bool over_ = false;  // the result token was read: the rest up to the next tag line is ignored
};

}  // namespace

std::optional<std::string> PgnGame::tag(std::string_view name) const {
    const std::string wanted = gbk::to_upper_ascii(name);
    for (const PgnTag& t : tags)
        if (gbk::to_upper_ascii(t.name) == wanted) return t.value;
    return std::nullopt;
}

std::vector<std::string> PgnGame::main_line_words() const {
    std::vector<std::string> words;
    int depth = 0;
    for (const PgnItem& item : items) {
        if (item.kind == PgnItem::Kind::VariationStart) ++depth;
        if (item.kind == PgnItem::Kind::VariationEnd) --depth;
        if (item.kind == PgnItem::Kind::Word && depth == 0) words.push_back(item.text);
    }
    return words;
}

std::optional<std::string_view> tag_value(std::string_view line, std::string_view upper_name) {
    const std::string prefix = std::string("[").append(upper_name).append(" \"");
    if (line.size() < prefix.size() || gbk::to_upper_ascii(line.substr(0, prefix.size())) != prefix)
        return std::nullopt;
    std::string_view value = line.substr(prefix.size());
    const auto quote = value.find('"');
    return quote == std::string_view::npos ? value : value.substr(0, quote);
}

std::vector<PgnGame> scan_pgn_games(std::string_view text) { return Scanner().scan(text); }

}  // namespace kelvara
