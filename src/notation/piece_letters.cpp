#include "notation/piece_letters.h"

namespace kelvara::notation {

namespace {

struct PieceLetter {
    char letter;
    PieceKind kind;
};
// The first letter of each kind is the one written.
constexpr PieceLetter kLetters[] = {
    {'K', PieceKind::King},     {'A', PieceKind::Advisor},  {'E', PieceKind::Elephant}, {'H', PieceKind::Horse},
    {'R', PieceKind::Chariot},  {'C', PieceKind::Cannon},   {'P', PieceKind::Soldier},  {'B', PieceKind::Elephant},
    {'N', PieceKind::Horse},    {'G', PieceKind::Advisor},  {'M', PieceKind::Elephant},
};

}  // namespace

PieceKind kind_of_letter(char letter) {
    const char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    for (const PieceLetter& l : kLetters)
        if (l.letter == upper) return l.kind;
    return PieceKind::None;
}

char letter_of(PieceKind kind) {
    for (const PieceLetter& l : kLetters)
        if (l.kind == kind) return l.letter;
    return '?';
}

}  // namespace kelvara::notation
