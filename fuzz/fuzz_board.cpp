#include "fuzz_board.h"

#include "board/layouts.h"
#include "fuzz_check.h"
#include "platform/text.h"

namespace kelvara::fuzz {

namespace {

PieceCode code_of(std::uint8_t b) {
    if (b < 64) return static_cast<PieceCode>(b % 32);
    if (b >= 248) return b;
    return kEmpty;
}

}  // namespace

bool read_notation_input(const std::uint8_t* data, std::size_t size, NotationInput& input) {
    if (size < 2 || size < 2u + data[1]) return false;
    input.first = data[0] & 1 ? Side::Red : Side::Black;
    input.board = data[0] & 2 ? layouts::kStandardLayout : empty_position();
    input.token = std::string_view(reinterpret_cast<const char*>(data + 2), data[1]);
    for (std::size_t i = 2u + data[1]; i + 1 < size; i += 2) {
        const int square = data[i] % (kRows * kColumns);
        input.board[square / kColumns][square % kColumns] = code_of(data[i + 1]);
    }
    return true;
}

void check_reading(notation::Notation notation, const NotationInput& input, notation::ReadOptions options) {
    for (const Side side : {input.first, opponent(input.first)}) {
        const notation::MoveReading r = notation::read_move(notation, input.token, input.board, side, options);
        KELVARA_FUZZ_CHECK(r.well_formed == notation::is_move_token(notation, input.token));
        if (!r.well_formed) KELVARA_FUZZ_CHECK(r.candidates.empty());
        for (const Move m : r.candidates) {
            KELVARA_FUZZ_CHECK(on_board(m.from) && on_board(m.to));
            KELVARA_FUZZ_CHECK(belongs_to(at(input.board, m.from), side));
            KELVARA_FUZZ_CHECK(!belongs_to(at(input.board, m.to), side));
        }
        if (!r.resolved()) continue;
        for (const auto writing : {notation::MoveWriting::Chinese, notation::MoveWriting::ChineseTraditional,
                                   notation::MoveWriting::Wxf, notation::MoveWriting::Iccs}) {
            const std::string text = notation::write_move(writing, input.board, r.candidates.front());
            KELVARA_FUZZ_CHECK(!text.empty());
            KELVARA_FUZZ_CHECK(gbk::cut_whole_chars(text, text.size()).size() == text.size());
        }
    }
}

}  // namespace kelvara::fuzz
