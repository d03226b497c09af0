// The board view, playback and the GIF maker on any position, legal or not, and any moves
// a reader could let through (each moves what stands on its from-square). Input layout:
//   byte 0      bit 0: the board turned; bit 1: the animation starts at a selected move;
//               bits 2-3: the animation's scale (1 + value mod 3); bit 4: it ends before
//               the last move; bit 5: it is made on two threads (and must equal one's)
//   bytes 1-90  the start position, one code per square (any byte: a code that is no
//               piece shows nothing)
//   byte 91     how many bytes of title follow (at most 40), then the title (GBK or not)
//   then pairs  a move: from-square (byte mod the occupied squares), to-square (byte mod
//               the 89 others); at most 12
// Stepping to a move shows exactly the board drawn afresh for that position; stepping
// back to the start restores it; the animation has one picture per position of its range.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "export/animation_palette.h"
#include "export/gif_maker.h"
#include "export/picture_plan.h"
#include "fuzz_check.h"
#include "platform/atomic_file.h"
#include "platform/gif_codec.h"
#include "view/board_session.h"
#include "view/show_record.h"
#include "view/view_fixture.h"

using namespace kelvara;

namespace {

constexpr std::size_t kMaxMoves = 12;

const std::filesystem::path& output_folder() {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kelvara-fuzz-gif-" + std::to_string(::getpid()));
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 92) return 0;
    static const Palette palette = load_animation_palette();
    static BoardSession fresh;  // draws each position afresh, to compare with

    BoardSession s;
    GameRecord& game = s.game;
    game.flip_state = data[0] & 1;
    Position start{};
    for (int i = 0; i < kRows * kColumns; ++i) start[i / kColumns][i % kColumns] = data[1 + i];
    const std::size_t title_bytes = std::min<std::size_t>(data[91] % 41, size - 92);
    game.title.assign(reinterpret_cast<const char*>(data + 92), title_bytes);

    // Moves that a reader could give: each takes what stands on an occupied square.
    Position board = start;
    for (std::size_t at = 92 + title_bytes; at + 1 < size && game.moves.size() < kMaxMoves; at += 2) {
        std::vector<int> occupied;
        for (int i = 0; i < kRows * kColumns; ++i)
            if (is_piece(board[i / kColumns][i % kColumns])) occupied.push_back(i);
        if (occupied.empty()) break;
        const int from = occupied[data[at] % occupied.size()];
        int to = data[at + 1] % (kRows * kColumns - 1);
        if (to >= from) ++to;
        const PieceCode piece = board[from / kColumns][from % kColumns];
        game.moves.push_back({piece, static_cast<std::uint8_t>(from / kColumns),
                              static_cast<std::uint8_t>(from % kColumns), 0, static_cast<std::uint8_t>(to / kColumns),
                              static_cast<std::uint8_t>(to % kColumns)});
        s.list.append("x", kRedRow);
        board[from / kColumns][from % kColumns] = kEmpty;
        board[to / kColumns][to % kColumns] = piece;
    }
    // A start position of its own, as a FEN record gives one.
    game.fen_start = "fuzz";
    game.reference = start;
    game.loaded = true;
    game.set_up_start_position();
    game.current_move = -1;
    show_opened_record(game, s.view, "");
    const Position shown_start = game.board;

    const int n = static_cast<int>(game.moves.size());
    for (int row : {n - 1, n / 2, 0, n - 1}) {
        if (row < 0 || row >= n) continue;
        s.list.select(row);
        KELVARA_FUZZ_CHECK(s.view.display().pixels == test::fresh_picture(game, row, fresh).pixels);
    }
    s.playback.first();
    KELVARA_FUZZ_CHECK(game.board == shown_start);
    KELVARA_FUZZ_CHECK(s.view.display().pixels == test::fresh_picture(game, -1, fresh).pixels);

    GifJob job;
    job.game = game;
    job.title = game.title;
    job.frame_delay = 2;
    job.start_at_selected_move = data[0] & 2;
    job.selected_row = n > 0 ? data[91] % n : -1;
    job.to_move = n > 0 && (data[0] & 16) ? 1 + data[91] / 2 % n : 0;
    job.scale = 1 + (data[0] >> 2 & 3) % 3;
    job.threads = data[0] & 32 ? 2 : 1;
    job.output_folder = output_folder();
    job.output_stem = "fuzz";
    const GifResult result = GifMaker(palette).make(job);
    KELVARA_FUZZ_CHECK(result.ok());
    const PicturePlan plan = plan_pictures(n, job.start_at_selected_move, job.selected_row, job.to_move);
    KELVARA_FUZZ_CHECK(result.pictures == plan.pictures());
    const auto gif = read_file(result.path);
    if (job.threads > 1) {
        job.threads = 1;
        job.output_stem = "fuzz-one-thread";
        const GifResult one = GifMaker(palette).make(job);
        KELVARA_FUZZ_CHECK(one.ok() && read_file(one.path) == gif);
    }
    KELVARA_FUZZ_CHECK(gif && gif->starts_with("GIF89a") && gif->back() == ';');
    KELVARA_FUZZ_CHECK(palette_from_gif({reinterpret_cast<const std::uint8_t*>(gif->data()), gif->size()}));
    return 0;
}
