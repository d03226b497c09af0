#include "notation/chinese_notation.h"

#include <vector>

#include "board/rules.h"
#include "notation/move_notation.h"
#include "platform/text.h"

namespace kelvara::notation {

namespace {

using Role = WordMeaning::Role;

bool is(const WordMeaning& m, Role role) { return m.role == role; }
// 一 … 五 number the pawns of a file pair.
bool is_ordinal(const WordMeaning& m) { return is(m, Role::Number) && m.chinese_numeral && m.number <= 5; }

Among among_of(Place place) {
    switch (place) {
        case Place::Front: return Among::Front;
        case Place::Middle: return Among::Middle;
        case Place::Rear: return Among::Rear;
    }
    return Among::Any;
}

// Who moves: the first two characters of a four-character move, or the first three of a
// five-character one (place or ordinal, piece, file). False when they say no piece.
bool describe_piece(std::span<const WordMeaning> who, MoveDescription& d) {
    const WordMeaning& first = who[0];
    const WordMeaning& second = who[1];
    if (who.size() == 3) {
        if (!is(second, Role::Piece) || !is(who[2], Role::Number)) return false;
        d.file = who[2].number;
    }
    if (is(first, Role::Piece) && is(second, Role::Number) && who.size() == 2) {
        d.kind = first.piece;
        d.file = second.number;
        return true;
    }
    if (!is(first, Role::Place) && !is_ordinal(first)) return false;
    if (is(first, Role::Place)) {
        d.among = among_of(first.place);
    } else {
        d.among = Among::Ordinal;
        d.ordinal = first.number;
    }
    if (is(second, Role::Piece)) {
        d.kind = second.piece;
        return true;
    }
    // 前九平八, 二7平6: the pawns of two files, told by place and file alone.
    if (!is(second, Role::Number) || who.size() == 3) return false;
    d.kind = PieceKind::Soldier;
    d.file = second.number;
    return true;
}

std::optional<MoveDescription> shape(std::span<const WordMeaning> m) {
    if (m.size() != 4 && m.size() != 5) return std::nullopt;
    const WordMeaning& direction = m[m.size() - 2];
    const WordMeaning& number = m[m.size() - 1];
    if (!is(direction, Role::Direction) || !is(number, Role::Number)) return std::nullopt;
    MoveDescription d;
    d.direction = direction.direction;
    d.number = number.number;
    if (!describe_piece(m.first(m.size() - 2), d)) return std::nullopt;
    return d;
}

std::vector<WordMeaning> meanings(std::span<const std::string_view> chars) {
    std::vector<WordMeaning> out;
    for (const std::string_view c : chars) out.push_back(meaning_of(c));
    return out;
}

// The writer's characters in the other script: piece names and the words 進 and 後.
std::string in_script(std::string_view text, Side side, Script script) {
    if (script == Script::Simplified) return std::string(text);
    std::string out;
    for (const std::string_view c : gbk::characters(text)) {
        const WordMeaning m = meaning_of(c);
        if (m.role == Role::Piece)
            out += piece_word(side, m.piece, script);
        else if (m.role == Role::Direction)
            out += direction_word(m.direction, script);
        else if (m.role == Role::Place)
            out += place_word(m.place, script);
        else
            out += c;
    }
    return out;
}

std::string full_width_digits(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            out += '\xA3';
            out += static_cast<char>(0xB0 + (c - '0'));
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::size_t chinese_move_length(std::span<const WordMeaning> meanings) {
    for (const std::size_t n : {std::size_t{5}, std::size_t{4}})
        if (meanings.size() >= n && shape(meanings.first(n))) return n;
    return 0;
}

std::optional<MoveDescription> parse_chinese_move(std::string_view token) {
    const std::vector<std::string_view> chars = gbk::characters(token);
    const std::vector<WordMeaning> m = meanings(chars);
    // A zero names no file and no count.
    for (const WordMeaning& w : m)
        if (w.role == Role::Number && w.number == 0) return std::nullopt;
    return shape(m);
}

std::string chinese_move_text(const Position& board, Move move, ChineseStyle style) {
    if (!on_board(move.from) || !on_board(move.to)) return {};
    const PieceCode piece = at(board, move.from);
    const auto side = side_of(piece);
    if (!side) return {};
    std::string text = move_notation(piece, *side == Side::Red ? 1 : 0, move.from.row, move.from.column, move.to.row,
                                     move.to.column, board);
    text.erase(0, side_prefix(*side).size());
    text = in_script(text, *side, style.script);
    return style.full_width_digits ? full_width_digits(text) : text;
}

std::vector<std::string> chinese_line_text(Position board, const std::vector<Move>& line, std::size_t most,
                                           ChineseStyle style) {
    std::vector<std::string> texts;
    for (const Move& move : line) {
        if (texts.size() >= most) break;
        std::string text = chinese_move_text(board, move, style);
        if (text.empty()) break;
        texts.push_back(std::move(text));
        make_move(board, move);
    }
    return texts;
}

}  // namespace kelvara::notation
