// The QQ record reader on any bytes. The first byte's low bit is the flip state; the
// whole input is the record (its first field is never used, so any seed stays a record).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "platform/text.h"
#include "board/layouts.h"
#include "record/qq_reader.h"
#include "record_checks.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    GameRecord game;
    game.flip_state = data[0] & 1;
    MoveList list;
    const auto stop = read_qq_record(text, game, list);

    // The second field announces the number of moves.
    const auto head = gbk::split(text, " ", 2);
    const int announced = head.size() == 2 ? std::max(0, gbk::to_integer(head[1])) : 0;
    fuzz::check_read(game, list, stop, static_cast<std::size_t>(announced));
    if (stop) KELVARA_FUZZ_CHECK(stop->reason != StopReason::UnresolvedMove);

    // The board shows the start for the flip state; the reference has played every move.
    KELVARA_FUZZ_CHECK(game.board == (game.flip_state ? layouts::kFlippedLayout : layouts::kStandardLayout));
    const Position start = game.flip_state ? rotated(layouts::kFlippedLayout) : layouts::kStandardLayout;
    // Every move's piece stood on its from-square, of the side and kind its code names.
    KELVARA_FUZZ_CHECK(game.reference == fuzz::replay(game.moves, start, true));
    return 0;
}
