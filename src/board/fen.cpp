#include "board/fen.h"

#include <cctype>

namespace kelvara {

namespace {

struct FenLetter {
    char letter;  // lower case; red's is the upper case
    PieceKind kind;
};
// The first letter of each kind is the one written; the others are read too.
constexpr FenLetter kFenLetters[] = {
    {'k', PieceKind::King},    {'a', PieceKind::Advisor}, {'b', PieceKind::Elephant}, {'n', PieceKind::Horse},
    {'r', PieceKind::Chariot}, {'c', PieceKind::Cannon},  {'p', PieceKind::Soldier},  {'e', PieceKind::Elephant},
    {'h', PieceKind::Horse},
};

constexpr std::string_view kStandardTail = " - - 0 1";

// Rank k of a FEN (0 = first written) is row 9 - k; square x of a rank is column 8 - x.
constexpr int row_of_rank(int rank) { return kRows - 1 - rank; }
constexpr int column_of_file(int x) { return kColumns - 1 - x; }

}  // namespace

char fen_letter(PieceCode code) {
    const PieceKind kind = piece_kind(code);
    for (const FenLetter& f : kFenLetters)
        if (f.kind == kind) return is_red(code) ? static_cast<char>(std::toupper(f.letter)) : f.letter;
    return '\0';
}

PieceCode piece_of_fen_letter(char letter) {
    const bool red = letter >= 'A' && letter <= 'Z';
    const char lower = red ? static_cast<char>(letter - 'A' + 'a') : letter;
    for (const FenLetter& f : kFenLetters)
        if (f.letter == lower) return piece_code(red ? Side::Red : Side::Black, f.kind);
    return kEmpty;
}

Position parse_fen_board(std::string_view field) {
    field = field.substr(0, field.find(' '));
    // Ranks are counted from the last, red's back rank: with more or fewer than ten, the
    // ones nearest red's side are the ones kept.
    int ranks = 1;
    for (const char ch : field) ranks += ch == '/';
    Position board = empty_position();
    int row = ranks - 1;
    int x = 0;
    for (const char ch : field) {
        if (ch == '/') {
            --row;
            x = 0;
            continue;
        }
        const auto b = static_cast<unsigned char>(ch);
        if (b >= '0' && b <= '9') {
            x += b - '0';
        } else if (std::isalpha(b)) {
            if (row < kRows && x < kColumns) board[row][column_of_file(x)] = piece_of_fen_letter(ch);
            ++x;
        }
    }
    return board;
}

bool is_fen_board(std::string_view field) {
    int rank = 0;
    int x = 0;
    for (const char ch : field) {
        if (ch == '/') {
            if (x != kColumns) return false;
            ++rank;
            x = 0;
        } else if (ch >= '1' && ch <= '9') {
            x += ch - '0';
        } else if (piece_of_fen_letter(ch) != kEmpty) {
            ++x;
        } else {
            return false;
        }
        if (x > kColumns) return false;
    }
    return rank == kRows - 1 && x == kColumns;
}

FenPosition parse_fen(std::string_view fen) {
    while (!fen.empty() && fen.front() == ' ') fen.remove_prefix(1);
    const auto space = fen.find(' ');
    FenPosition out{parse_fen_board(fen.substr(0, space)), std::nullopt};
    if (space == std::string_view::npos) return out;
    std::string_view rest = fen.substr(space);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    const std::string_view side = rest.substr(0, rest.find(' '));
    if (side == "w" || side == "r" || side == "W" || side == "R") out.side_to_move = Side::Red;
    if (side == "b" || side == "B") out.side_to_move = Side::Black;
    return out;
}

std::string fen_board(const Position& board) {
    std::string out;
    for (int rank = 0; rank < kRows; ++rank) {
        if (rank) out += '/';
        int empty = 0;
        for (int x = 0; x < kColumns; ++x) {
            const char letter = fen_letter(board[row_of_rank(rank)][column_of_file(x)]);
            if (letter == '\0') {
                ++empty;
                continue;
            }
            if (empty) out += static_cast<char>('0' + empty);
            empty = 0;
            out += letter;
        }
        if (empty) out += static_cast<char>('0' + empty);
    }
    return out;
}

std::string fen_text(const Position& board, Side side_to_move) {
    return fen_board(board) + (side_to_move == Side::Red ? " w" : " b") + std::string(kStandardTail);
}

}  // namespace kelvara
