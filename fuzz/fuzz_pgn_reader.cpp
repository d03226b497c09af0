// The PGN record reader on any bytes, in any encoding. The input's length decides the
// flip state and which of its games is read, so every seed is read several ways as the
// fuzzer grows and shrinks it.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "record_checks.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::check_pgn_reading(std::string_view(reinterpret_cast<const char*>(data), size), static_cast<int>(size & 1));
    return 0;
}
