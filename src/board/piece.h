#pragma once
// Piece codes: one byte per square. 0-15 are black, 16-31 red, 100 is the empty square
// (0 is the black king, not an empty square). Any other value shows nothing. Codes keep
// each piece's identity (QQ records name pieces by code); the rules only need a piece's
// side and kind.

#include <cstdint>
#include <optional>

namespace kelvara {

using PieceCode = std::uint8_t;

inline constexpr PieceCode kEmpty = 100;

inline constexpr PieceCode kBlackKing = 0;
inline constexpr PieceCode kRedKing = 16;

enum class Side : std::uint8_t { Red, Black };
enum class PieceKind { King, Advisor, Elephant, Horse, Chariot, Cannon, Soldier, None };

inline constexpr int kPieceKinds = 7;  // every kind but None

constexpr bool is_black(int code) { return code >= 0 && code <= 15; }
constexpr bool is_red(int code) { return code >= 16 && code <= 31; }
constexpr bool is_piece(int code) { return code >= 0 && code <= 31; }

constexpr Side opponent(Side side) { return side == Side::Red ? Side::Black : Side::Red; }

// The side of a piece code; nullopt for the empty square and anything else.
constexpr std::optional<Side> side_of(int code) {
    if (is_red(code)) return Side::Red;
    if (is_black(code)) return Side::Black;
    return std::nullopt;
}

constexpr bool belongs_to(int code, Side side) { return side == Side::Red ? is_red(code) : is_black(code); }

// The kind by code range; both sides use the same ranges, red offset by 16.
constexpr PieceKind piece_kind(int code) {
    if (!is_piece(code)) return PieceKind::None;
    const int c = code % 16;
    if (c == 0) return PieceKind::King;
    if (c <= 2) return PieceKind::Advisor;
    if (c <= 4) return PieceKind::Elephant;
    if (c <= 6) return PieceKind::Horse;
    if (c <= 8) return PieceKind::Chariot;
    if (c <= 10) return PieceKind::Cannon;
    return PieceKind::Soldier;
}

// The first code of a kind for a side: the code a piece gets when the record names only
// its kind (a FEN letter, a square of an XQF start).
constexpr PieceCode piece_code(Side side, PieceKind kind) {
    constexpr PieceCode kFirstCode[kPieceKinds] = {0, 1, 3, 5, 7, 9, 11};
    if (kind == PieceKind::None) return kEmpty;
    return static_cast<PieceCode>(kFirstCode[static_cast<int>(kind)] + (side == Side::Red ? 16 : 0));
}

}  // namespace kelvara
