#pragma once
// What the notation fuzzers share: a board built from the input's bytes, and the checks
// every notation reader keeps on any board and token.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "board/position.h"
#include "notation/notation.h"

namespace kelvara::fuzz {

// Input layout: byte 0 bit 0 red reads first, bit 1 start from the standard layout (else
// an empty board); byte 1 the token's length; then the token; then pairs of square (byte
// mod 90) and code (below 64: code mod 32; from 248: that byte, no piece at all; else the
// empty square).
struct NotationInput {
    Side first = Side::Red;
    std::string_view token;
    Position board{};
};

// nullopt-like: false when the input is too short for its token.
bool read_notation_input(const std::uint8_t* data, std::size_t size, NotationInput& input);

// Reads the token with both sides and checks: the reading says the token is a move exactly
// when the notation's form check does; every move it gives is a move of the side's own
// piece from a square of the board to one the side does not hold; a move it resolves is
// written by the writers without leaving the board's characters.
void check_reading(notation::Notation notation, const NotationInput& input, notation::ReadOptions options = {});

}  // namespace kelvara::fuzz
