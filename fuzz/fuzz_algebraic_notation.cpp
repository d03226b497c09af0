// The reader of WinBoard and pychess algebraic moves, ranks counted from 0 and from 1, on
// any token and board; see fuzz_board.h for the input's layout.

#include <cstddef>
#include <cstdint>

#include "fuzz_board.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::NotationInput input;
    if (!fuzz::read_notation_input(data, size, input)) return 0;
    fuzz::check_reading(notation::Notation::Algebraic, input, {0});
    fuzz::check_reading(notation::Notation::Algebraic, input, {1});
    return 0;
}
