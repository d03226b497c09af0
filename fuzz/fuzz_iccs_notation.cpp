// The reader of coordinate moves (ICCS and h2e2) on any token and board; see fuzz_board.h for the
// input's layout.

#include <cstddef>
#include <cstdint>

#include "fuzz_board.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::NotationInput input;
    if (!fuzz::read_notation_input(data, size, input)) return 0;
    fuzz::check_reading(notation::Notation::Iccs, input);
    return 0;
}
