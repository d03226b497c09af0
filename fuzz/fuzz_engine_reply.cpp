// What an engine writes, as arbitrary bytes: cut into lines and read as info, best move,
// option and name lines, their moves read in both countings of ranks. Input layout:
//   byte 0       how many bytes go to the line splitter at a time (1 to 256)
//   the rest     the engine's output

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine_move.h"
#include "engine/engine_reply.h"
#include "engine/line_splitter.h"
#include "notation/iccs_notation.h"
#include "fuzz_check.h"

using namespace kelvara;

namespace {

// A move that reads is on the board, and reads back from its own text.
void check_move(std::string_view text) {
    for (const int base : {0, 1}) {
        const auto move = parse_engine_move(text, base);
        if (!move) continue;
        KELVARA_FUZZ_CHECK(on_board(move->from) && on_board(move->to));
        KELVARA_FUZZ_CHECK(parse_engine_move(engine_move_text(*move, base), base) == move);
        KELVARA_FUZZ_CHECK(parse_engine_move(notation::iccs_move_text(*move), 0) == parse_engine_move(engine_move_text(*move, 0), 0));
    }
    if (const auto shown = rank_base_shown(text)) KELVARA_FUZZ_CHECK(*shown == 0 || *shown == 1);
}

void check_line(const std::string& line) {
    KELVARA_FUZZ_CHECK(line.size() <= LineSplitter::kMaxLine);
    KELVARA_FUZZ_CHECK(line.find('\n') == std::string::npos);
    if (const auto info = parse_info_line(line)) {
        KELVARA_FUZZ_CHECK(info->depth >= 0);
        if (info->score) KELVARA_FUZZ_CHECK(info->score->value > -1'000'000 && info->score->value < 1'000'000);
        for (const std::string& word : info->pv) {
            KELVARA_FUZZ_CHECK(!word.empty());
            check_move(word);
        }
    }
    if (const auto best = parse_bestmove_line(line)) check_move(best->move);
    if (const auto option = parse_option_line(line)) KELVARA_FUZZ_CHECK(!option->name.empty());
    if (const auto name = parse_id_name(line)) KELVARA_FUZZ_CHECK(name->size() < line.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t chunk = std::size_t{data[0]} + 1;
    std::string_view output(reinterpret_cast<const char*>(data + 1), size - 1);
    LineSplitter splitter;
    while (!output.empty()) {
        const std::size_t n = std::min(chunk, output.size());
        for (const std::string& line : splitter.feed(output.substr(0, n))) check_line(line);
        output.remove_prefix(n);
    }
    return 0;
}
