#include "board/fen.h"

#include <string>

namespace kelvara {

namespace {

struct FenLetter {
    char letter;
    PieceCode code;
};
// Every piece of a kind gets the same code.
constexpr FenLetter kFenLetters[] = {
    {'k', 0},  {'a', 1},  {'b', 3},  {'n', 5},  {'r', 7},  {'c', 9},  {'p', 11},
    {'K', 16}, {'A', 17}, {'B', 19}, {'N', 21}, {'R', 23}, {'C', 25}, {'P', 27},
};

PieceCode code_of(char letter) {
    for (const auto& f : kFenLetters)
        if (f.letter == letter) return f.code;
    return kEmpty;
}

}  // namespace

Position parse_fen_board(std::string_view field) {
    Position board;
    for (auto& row : board) row.fill(kEmpty);
    // Read backwards: the last rank is red's back rank (row 0) and each rank reads from
    // its right end, which turns the diagram into standard orientation.
    std::string reversed(field.rbegin(), field.rend());
    int row = 0;
    std::size_t start = 0;
    while (row < kRows && start <= reversed.size()) {
        std::size_t end = reversed.find('/', start);
        if (end == std::string::npos) end = reversed.size();
        // A byte below 'A' stands for that many empty squares when it is a digit; any
        // other such byte (punctuation, bytes of 128 and above) is dropped.
        int column = 0;
        for (std::size_t i = start; i < end && column < kColumns; ++i) {
            const auto b = static_cast<signed char>(reversed[i]);
            if (b < 65) {
                if (b >= '0' && b <= '9') column += b - '0';
            } else {
                board[row][column++] = code_of(static_cast<char>(b));
            }
        }
        ++row;
        start = end + 1;
    }
    return board;
}

}  // namespace kelvara
