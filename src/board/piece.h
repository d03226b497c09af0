#pragma once
// Piece codes: one byte per square. 0-15 are black, 16-31 red, 100 is the empty square
// (0 is the black king, not an empty square). Any other value shows nothing.

#include <cstdint>

namespace kelvara {

using PieceCode = std::uint8_t;

inline constexpr PieceCode kEmpty = 100;

inline constexpr PieceCode kBlackKing = 0;
inline constexpr PieceCode kRedKing = 16;

enum class PieceKind { King, Advisor, Elephant, Horse, Chariot, Cannon, Soldier, None };

constexpr bool is_black(int code) { return code >= 0 && code <= 15; }
constexpr bool is_red(int code) { return code >= 16 && code <= 31; }
constexpr bool is_piece(int code) { return code >= 0 && code <= 31; }

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

}  // namespace kelvara
