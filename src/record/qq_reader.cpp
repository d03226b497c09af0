#include "record/qq_reader.h"

#include "notation/move_notation.h"
#include "platform/text.h"
#include "record/move_rows.h"

namespace kelvara {

namespace {

constexpr int kGroupFields = 10;

// A field as the file wrote it, and its value when it is a decimal number.
struct Field {
    std::string_view text;
    bool numeric = false;
    int value = 0;  // saturated at the limits of int
};

bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\0' || c == '\x1A'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// The sign and digits at the start of a field, full-width ones included.
struct LeadingNumber {
    std::string_view text;
    int digits = 0;
};

LeadingNumber leading_number(std::string_view text) {
    text = trimmed(text);
    LeadingNumber number;
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = gbk::char_length(text, i);
        char c = text[i];
        if (n == 2 && static_cast<unsigned char>(c) == 0xA3) c = static_cast<char>(text[i + 1] & 0x7F);
        else if (n != 1) break;
        const bool digit = c >= '0' && c <= '9';
        if (!digit && !((c == '+' || c == '-') && i == 0)) break;
        number.digits += digit;
        i += n;
        end = i;
    }
    number.text = text.substr(0, end);
    return number;
}

// Full-width digits and signs fold to ASCII; blanks around the number (the line break
// after the last field, a text-end mark) are allowed, anything else is no number.
Field read_field(std::string_view text) {
    text = trimmed(text);
    const LeadingNumber number = leading_number(text);
    return Field{text, number.digits > 0 && number.text.size() == text.size(), gbk::to_integer(number.text)};
}

// The fields of one move group and where the text after it begins.
struct Group {
    Field field[kGroupFields];
    // Offset just past the tenth field's space; npos when the tenth field ends the text.
    std::size_t end;
};

// Splits the next group off text: ten fields, each ended by a space; the last may
// instead run to the end of the text (real files end with a line feed, not a space).
std::optional<Group> next_group(std::string_view text) {
    Group g{};
    std::size_t start = 0;
    for (int f = 0; f < kGroupFields; ++f) {
        const std::size_t space = text.find(' ', start);
        if (space == std::string_view::npos) {
            if (f < kGroupFields - 1 || start >= text.size()) return std::nullopt;
            g.field[f] = read_field(text.substr(start));
            g.end = std::string_view::npos;
            return g;
        }
        g.field[f] = read_field(text.substr(start, space - start));
        start = space + 1;
    }
    g.end = start;
    return g;
}

// Why a group is no move on the reference position, or nullopt for a move. A damaged
// record must not play a piece that is not there: a field that is no number is not 0.
std::optional<ReadStop> check_group(const Group& g, int move, const Position& reference) {
    for (int f = 0; f < kGroupFields; ++f)
        if (!g.field[f].numeric) return ReadStop{move, StopReason::NotANumber, std::string(g.field[f].text), f + 1};
    const Field& piece = g.field[0];
    const int side = g.field[2].value, from_row = g.field[3].value, from_column = g.field[4].value,
              to_row = g.field[5].value, to_column = g.field[6].value;
    const Field& skip = g.field[9];
    if (!is_piece(piece.value)) return ReadStop{move, StopReason::PieceOutOfRange, std::string(piece.text), piece.value};
    if (!on_board(from_row, from_column) || !on_board(to_row, to_column))
        return ReadStop{move, StopReason::SquareOffBoard, {}, 0};
    if (skip.value < 0) return ReadStop{move, StopReason::BadSkipLength, std::string(skip.text), skip.value};
    if (from_row == to_row && from_column == to_column) return ReadStop{move, StopReason::StandsStill, {}, 0};
    // Of a pair, either code names the piece: a board laid out turned swaps them.
    const PieceCode standing = reference[from_row][from_column];
    if (!is_piece(standing) || is_red(standing) != is_red(piece.value) ||
        piece_kind(standing) != piece_kind(piece.value))
        return ReadStop{move, StopReason::PieceNotOnSquare, std::string(piece.text), piece.value};
    if (is_red(piece.value) != (side != 0)) return ReadStop{move, StopReason::WrongSide, std::string(piece.text), side};
    return std::nullopt;
}

}  // namespace

std::optional<ReadStop> read_qq_record(std::string_view text, GameRecord& game, MoveList& list) {
    game.set_up_initial_position();

    // The number of moves only bounds the reading, since every group is checked: it is
    // read as it always was, from its leading digits.
    const auto head = gbk::split(text, " ", 2);
    const std::string_view count_text = head.size() == 2 ? leading_number(head[1]).text : std::string_view();
    const int count = head.size() == 2 ? gbk::to_integer(head[1]) : 0;
    text.remove_prefix(std::min(text.size(), head[0].size() + (head.size() == 2 ? head[1].size() : 0) + 2));

    int turn = 0;
    for (int i = 1; i <= count; ++i) {
        const auto group = next_group(text);
        if (!group) return ReadStop{i, StopReason::TextEndsEarly, std::string(count_text), count};
        if (auto stop = check_group(*group, i, game.reference)) return stop;
        const Field* f = group->field;
        const MoveRecord move{static_cast<PieceCode>(f[0].value), static_cast<std::uint8_t>(f[3].value),
                              static_cast<std::uint8_t>(f[4].value), 0, static_cast<std::uint8_t>(f[5].value),
                              static_cast<std::uint8_t>(f[6].value)};
        game.moves.push_back(move);
        // The writer describes the move on the position before it; then it is played.
        const std::string notation = move_notation(move.piece, is_red(move.piece) ? 1 : 0, move.from_row,
                                                   move.from_column, move.to_row, move.to_column, game.reference);
        game.reference[move.from_row][move.from_column] = kEmpty;
        game.reference[move.to_row][move.to_column] = move.piece;
        if (i % 2 == 1)
            append_numbered_row(list, ++turn, notation);
        else
            append_plain_row(list, notation);

        if (group->end == std::string_view::npos) {
            text = {};
        } else {
            const std::size_t consumed = group->end + static_cast<std::size_t>(f[9].value);
            text.remove_prefix(std::min(text.size(), consumed));
        }
    }
    return std::nullopt;
}

}  // namespace kelvara
