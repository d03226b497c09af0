#include "record/pgn_scanner.h"

#include <array>

#include "platform/gbk_literal.h"
#include "platform/text.h"

namespace kelvara {

namespace {

constexpr std::string_view kPieceChars[] = {"车"_gbk, "马"_gbk, "炮"_gbk, "相"_gbk, "象"_gbk, "仕"_gbk,
                                            "士"_gbk, "帅"_gbk, "将"_gbk, "兵"_gbk, "卒"_gbk};
constexpr std::string_view kPositionChars[] = {"前"_gbk, "中"_gbk, "后"_gbk,
                                               "一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk, "五"_gbk};
constexpr std::string_view kNumeralChars[] = {"一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk, "五"_gbk,
                                              "六"_gbk, "七"_gbk, "八"_gbk, "九"_gbk};
constexpr std::string_view kDirectionChars[] = {"进"_gbk, "退"_gbk, "平"_gbk};
constexpr std::string_view kResults[] = {"1-0", "0-1", "1/2-1/2", "*"};

template <std::size_t N>
bool is_one_of(std::string_view ch, const std::string_view (&set)[N]) {
    for (auto s : set)
        if (ch == s) return true;
    return false;
}

bool is_ascii_digit(std::string_view ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }
bool is_fullwidth_digit(std::string_view ch) {
    return ch.size() == 2 && static_cast<unsigned char>(ch[0]) == 0xA3 && static_cast<unsigned char>(ch[1]) >= 0xB0 &&
           static_cast<unsigned char>(ch[1]) <= 0xB9;
}
bool is_number(std::string_view ch) { return is_one_of(ch, kNumeralChars) || is_fullwidth_digit(ch) || is_ascii_digit(ch); }
bool is_blank(char b) { return b == ' ' || b == '\t' || b == '\r' || b == '\v' || b == '\f'; }

// Punctuation of the GBK symbol rows (lead bytes A1 and A3): separators between words,
// except the full-width digits, which black's moves use.
bool is_symbol(std::string_view ch) {
    if (ch.size() != 2 || is_fullwidth_digit(ch)) return false;
    const auto lead = static_cast<unsigned char>(ch[0]);
    return lead == 0xA1 || lead == 0xA3;
}

// Characters that may belong to a move-like word: double-byte characters other than
// symbols, and ASCII digits.
bool is_word_char(std::string_view ch) { return (ch.size() == 2 && !is_symbol(ch)) || is_ascii_digit(ch); }

bool is_move(const std::array<std::string_view, 4>& c) {
    const bool plain = is_one_of(c[0], kPieceChars) && is_number(c[1]);
    const bool qualified = is_one_of(c[0], kPositionChars) && is_one_of(c[1], kPieceChars);
    return (plain || qualified) && is_one_of(c[2], kDirectionChars) && is_number(c[3]);
}

ScannedMove make_move(const std::string_view* chars, std::size_t count) {
    ScannedMove m;
    for (std::size_t i = 0; i < count; ++i) {
        m.written += chars[i];
        if (is_ascii_digit(chars[i])) {
            m.token += '\xA3';
            m.token += static_cast<char>(0xB0 + (chars[i][0] - '0'));
        } else {
            m.token += chars[i];
        }
    }
    return m;
}

// Splits a word (no blanks, no brackets) into moves. Move numbers ("12." "3...") and
// annotation marks are not part of any move; a run of exactly four unknown characters is
// taken as a move so that the notation reader reports it rather than it vanishing.
void moves_of_word(std::string_view word, std::vector<ScannedMove>& out) {
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < word.size();) {
        const std::size_t n = gbk::char_length(word, i);
        chars.push_back(word.substr(i, n));
        i += n;
    }
    std::size_t i = 0;
    while (i < chars.size()) {
        if (i + 4 <= chars.size() && is_move({chars[i], chars[i + 1], chars[i + 2], chars[i + 3]})) {
            out.push_back(make_move(&chars[i], 4));
            i += 4;
            continue;
        }
        if (is_ascii_digit(chars[i])) {  // a move number: digits and the dots after them
            std::size_t j = i;
            while (j < chars.size() && is_ascii_digit(chars[j])) ++j;
            if (j < chars.size() && chars[j] == ".") {
                while (j < chars.size() && (chars[j] == "." || chars[j] == "\xA1\xAD")) ++j;
                i = j;
                continue;
            }
        }
        if (!is_word_char(chars[i])) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < chars.size() && is_word_char(chars[j]) &&
               !(j > i && j + 4 <= chars.size() && is_move({chars[j], chars[j + 1], chars[j + 2], chars[j + 3]})))
            ++j;
        const std::size_t run = j - i;
        bool has_double_byte = false;
        for (std::size_t k = i; k < j; ++k) has_double_byte |= chars[k].size() == 2;
        if (run == 4 && has_double_byte) out.push_back(make_move(&chars[i], 4));
        i = j;
    }
}

class Scanner {
public:
    PgnGame scan(std::string_view text) {
        const auto end_mark = text.find_first_of(std::string_view("\0\x1A", 2));
        if (end_mark != std::string_view::npos) text = text.substr(0, end_mark);
        std::size_t start = 0;
        while (start <= text.size() && !ended_) {
            std::size_t eol = text.find('\n', start);
            if (eol == std::string_view::npos) eol = text.size();
            std::string_view line = text.substr(start, eol - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            read_line(line);
            start = eol + 1;
        }
        return std::move(game_);
    }

private:
    void read_line(std::string_view line) {
        if (comment_ == 0 && variation_ == 0) {
            std::size_t first = 0;
            while (first < line.size() && is_blank(line[first])) ++first;
            if (first < line.size() && line[first] == '[') {
                read_tag(line.substr(first));
                return;
            }
        }
        std::size_t word_start = std::string_view::npos;
        for (std::size_t i = 0; i < line.size() && !ended_;) {
            const std::size_t n = gbk::char_length(line, i);
            const char b = line[i];
            const bool single = n == 1;
            if (comment_) {
                if (single && b == '}') comment_ = false;
            } else if (single && b == '{') {
                end_word(line, word_start, i);
                comment_ = true;
            } else if (single && b == '(') {
                end_word(line, word_start, i);
                ++variation_;
            } else if (variation_ > 0) {
                if (single && b == ')') --variation_;
            } else if (single && b == ';') {  // a comment to the end of the line
                end_word(line, word_start, i);
                return;
            } else if (single && (is_blank(b) || b == ')' || b == '[' || b == ']')) {
                end_word(line, word_start, i);
            } else if (n == 2 && line.substr(i, 2) == "\xA1\xA1") {  // full-width space
                end_word(line, word_start, i);
            } else if (word_start == std::string_view::npos) {
                word_start = i;
            }
            i += n;
        }
        end_word(line, word_start, line.size());
    }

    void end_word(std::string_view line, std::size_t& word_start, std::size_t end) {
        if (word_start == std::string_view::npos || ended_) {
            word_start = std::string_view::npos;
            return;
        }
        const std::string_view word = line.substr(word_start, end - word_start);
        word_start = std::string_view::npos;
        if (is_one_of(word, kResults)) {
            ended_ = true;
            return;
        }
        moves_of_word(word, game_.moves);
    }

    void read_tag(std::string_view line) {
        if (!game_.moves.empty()) {  // the next game's tags: this game is over
            ended_ = true;
            return;
        }
        if (auto v = tag_value(line, "FEN")) game_.fen = std::string(*v);
        if (auto v = tag_value(line, "EVENT")) game_.event = std::string(*v);
    }

    PgnGame game_;
    bool comment_ = false;
    int variation_ = 0;
    bool ended_ = false;
};

}  // namespace

std::optional<std::string_view> tag_value(std::string_view line, std::string_view upper_name) {
    const std::string prefix = std::string("[").append(upper_name).append(" \"");
    if (line.size() < prefix.size() || gbk::to_upper_ascii(line.substr(0, prefix.size())) != prefix)
        return std::nullopt;
    std::string_view value = line.substr(prefix.size());
    const auto quote = value.find('"');
    return quote == std::string_view::npos ? value : value.substr(0, quote);
}

PgnGame scan_pgn(std::string_view text) { return Scanner().scan(text); }

}  // namespace kelvara
