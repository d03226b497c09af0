// The XQF reader on any bytes. The input's length decides the flip state. Inputs that do
// not start with the magic get it, so that the fuzzer spends its time inside the format.

#include <cstddef>
#include <cstdint>
#include <string>

#include "record/xqf_reader.h"
#include "tree_checks.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!looks_like_xqf(bytes)) bytes.insert(0, "XQ");

    GameRecord game;
    game.flip_state = static_cast<int>(size & 1);
    MoveList list;
    const auto stop = read_xqf_record(bytes, game, list);
    fuzz::check_tree_read(game, list, stop);
    return 0;
}
