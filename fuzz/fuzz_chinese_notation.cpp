// The reader of Chinese moves (any script, numerals and form) on any token and board, and
// the writer of the move list on any arguments: the token's first six bytes as piece,
// side, from row, from column, to row and to column (squares as signed bytes, so that they
// also fall off the board). See fuzz_board.h for the input's layout.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_board.h"
#include "fuzz_check.h"
#include "notation/move_notation.h"
#include "platform/gbk_literal.h"
#include "platform/text.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::NotationInput input;
    if (!fuzz::read_notation_input(data, size, input)) return 0;
    fuzz::check_reading(notation::Notation::Chinese, input);

    if (input.token.size() < 6) return 0;
    const auto b = [&](std::size_t i) { return static_cast<int>(static_cast<std::int8_t>(input.token[i])); };
    const int side = b(1) * 65536 + static_cast<std::uint8_t>(input.token[1]);  // only the low byte may count
    const std::string text =
        move_notation(static_cast<PieceCode>(input.token[0]), side, b(2), b(3), b(4), b(5), input.board);
    KELVARA_FUZZ_CHECK(text.starts_with(input.token[1] != 0 ? "红："_gbk : "黑："_gbk));
    KELVARA_FUZZ_CHECK(gbk::cut_whole_chars(text, text.size()).size() == text.size());
    return 0;
}
