// The notation reader and writer on random boards and tokens. Input layout:
//   byte 0       bit 0: red reads first; bit 1: start from the standard layout, else empty
//   bytes 1-8    the token, read by one side and then by the other
//   bytes 9-14   the writer's arguments: piece, side, from row, from column, to row, to
//                column (the squares as signed bytes, so they also fall off the board)
//   then pairs   square (byte mod 90), code (below 64: code mod 32; from 248: that byte,
//                no piece at all; else the empty square)

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "notation/move_notation.h"
#include "notation/notation_reader.h"
#include "platform/gbk_literal.h"
#include "platform/text.h"
#include "board/layouts.h"

using namespace kelvara;

namespace {

constexpr std::size_t kHeader = 15;

PieceCode code_of(std::uint8_t b) {
    if (b < 64) return static_cast<PieceCode>(b % 32);
    if (b >= 248) return b;
    return kEmpty;
}

// Resolved: one move appended, its piece taken from its from-square (now empty) to its
// destination, nothing else touched. Unresolved: nothing changed.
void check_reading(bool red, std::string_view token, Position& board, std::vector<MoveRecord>& moves) {
    const Position before = board;
    const std::size_t count = moves.size();
    const bool resolved = red ? read_red_notation(token, board, moves) : read_black_notation(token, board, moves);
    if (!resolved) {
        KELVARA_FUZZ_CHECK(board == before);
        KELVARA_FUZZ_CHECK(moves.size() == count);
        return;
    }
    KELVARA_FUZZ_CHECK(moves.size() == count + 1);
    const MoveRecord m = moves.back();
    KELVARA_FUZZ_CHECK(is_piece(m.piece) && m.captured == 0);
    KELVARA_FUZZ_CHECK(on_board(m.from_row, m.from_column) && on_board(m.to_row, m.to_column));
    KELVARA_FUZZ_CHECK(before[m.from_row][m.from_column] == m.piece);
    Position expected = before;
    expected[m.from_row][m.from_column] = kEmpty;
    expected[m.to_row][m.to_column] = m.piece;
    KELVARA_FUZZ_CHECK(board == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeader) return 0;
    const bool red_first = data[0] & 1;
    Position board = layouts::kStandardLayout;
    if (!(data[0] & 2))
        for (auto& row : board) row.fill(kEmpty);
    for (std::size_t i = kHeader; i + 1 < size; i += 2) {
        const int square = data[i] % (kRows * kColumns);
        board[square / kColumns][square % kColumns] = code_of(data[i + 1]);
    }

    // The writer first: any arguments give a text that starts with the side's prefix and
    // never ends inside a character.
    const auto s = [&](std::size_t i) { return static_cast<int>(static_cast<std::int8_t>(data[i])); };
    const int side = s(10) * 65536 + data[10];  // only the low byte may count
    const std::string text = move_notation(data[9], side, s(11), s(12), s(13), s(14), board);
    const bool red_writes = data[10] != 0;
    KELVARA_FUZZ_CHECK(text.starts_with(red_writes ? "红："_gbk : "黑："_gbk));
    KELVARA_FUZZ_CHECK(gbk::cut_whole_chars(text, text.size()).size() == text.size());

    const std::string_view token(reinterpret_cast<const char*>(data + 1), 8);
    std::vector<MoveRecord> moves;
    check_reading(red_first, token, board, moves);
    check_reading(!red_first, token, board, moves);
    return 0;
}
